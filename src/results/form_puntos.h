// The ten best scores.
#pragma once

#include "platform/plain_form.h"

class TForm_puntos : public PlainForm {
 public:
  explicit TForm_puntos(QWidget* owner) : PlainForm(owner, "Form_puntos") {}
};
