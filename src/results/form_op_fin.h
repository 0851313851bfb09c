// What to do at the end of a game.
#pragma once

#include "platform/plain_form.h"

class TForm_op_fin : public PlainForm {
 public:
  explicit TForm_op_fin(QWidget* owner) : PlainForm(owner, "Form_op_fin") {}
};
