// The chooser of the score directory.
#pragma once

#include "platform/plain_form.h"

class TForm_directorio : public PlainForm {
 public:
  explicit TForm_directorio(QWidget* owner) : PlainForm(owner, "Form_directorio") {}
};
