// The picture puzzle that rewards clean solves.
#pragma once

#include "platform/plain_form.h"

class TForm_puzle : public PlainForm {
 public:
  explicit TForm_puzle(QWidget* owner) : PlainForm(owner, "Form_puzle") {}
};
