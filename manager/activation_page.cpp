// The activation page and the unattended mode. Their handlers arrive with the scenery
// library work; until then they leave everything as it is.
#include "manager/form1.h"

namespace manager {

void TForm1::Button3Click(TComponent* /*sender*/) {}
void TForm1::ListBox1Click(TComponent* /*sender*/) {}
void TForm1::ActivateClick(TComponent* /*sender*/) {}
void TForm1::DeactivateClick(TComponent* /*sender*/) {}
void TForm1::ListBox1DblClick(TComponent* /*sender*/) {}
void TForm1::Button2Click(TComponent* /*sender*/) {}
void TForm1::Button4Click(TComponent* /*sender*/) {}
void TForm1::Timer1Timer(TComponent* /*sender*/) {}

}  // namespace manager
