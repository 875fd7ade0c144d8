// The updates page: update check and installation. Their handlers arrive with the update
// work; until then they leave everything as it is.
#include "manager/form1.h"

namespace manager {

void TForm1::Button5Click(TComponent* /*sender*/) {}
void TForm1::Button11Click(TComponent* /*sender*/) {}
void TForm1::Button12Click(TComponent* /*sender*/) {}

}  // namespace manager
