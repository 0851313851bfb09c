// The introduction with the castle story.
#pragma once

#include "app/plain_form.h"

class TForm_inicio : public PlainForm {
 public:
  explicit TForm_inicio(QWidget* owner) : PlainForm(owner, "Form_inicio") {}
};
