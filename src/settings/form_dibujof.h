// The chooser of the background picture.
#pragma once

#include "platform/plain_form.h"

class TForm_dibujof : public PlainForm {
 public:
  explicit TForm_dibujof(QWidget* owner) : PlainForm(owner, "Form_dibujof") {}
};
