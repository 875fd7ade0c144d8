// The options page: option switches, the Autogen switch, reset and saved option states.
// Their handlers arrive with the option switching work; until then they leave everything
// as it is.
#include "manager/form1.h"

namespace manager {

void TForm1::CheckBox1Click(TComponent* /*sender*/) {}
void TForm1::refreshbuttonClick(TComponent* /*sender*/) {}
void TForm1::Button6Click(TComponent* /*sender*/) {}
void TForm1::Button7Click(TComponent* /*sender*/) {}
void TForm1::enablesaveClick(TComponent* /*sender*/) {}
void TForm1::restoresaveClick(TComponent* /*sender*/) {}
void TForm1::Button9Click(TComponent* /*sender*/) {}

}  // namespace manager
