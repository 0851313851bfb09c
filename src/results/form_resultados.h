// The results of the players, kept in results files.
#pragma once

#include "platform/plain_form.h"

class TForm_Resultados : public PlainForm {
 public:
  explicit TForm_Resultados(QWidget* owner) : PlainForm(owner, "Form_Resultados") {}
};
