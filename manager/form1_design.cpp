// The window's design: every control's place, texts and initial state, and the handler
// each event runs.
#include "manager/form1.h"
#include "resources/artwork.h"

namespace manager {
namespace {

using Handler = void (TForm1::*)(TComponent*);

TNotifyEvent Bind(TForm1* form, Handler handler) {
  return [form, handler](TComponent* sender) { (form->*handler)(sender); };
}

void Place(TControl& control, TWinControl& parent, int left, int top, int width, int height) {
  control.SetParent(&parent);
  control.SetBounds(left, top, width, height);
}

void SetLabel(TLabel& label, TWinControl& parent, int left, int top, std::string caption) {
  label.SetParent(&parent);
  label.SetBounds(left, top, 0, 13);
  label.SetCaption(std::move(caption));
}

// A label of fixed size (not sized to its text).
void SetSizedLabel(TLabel& label, TWinControl& parent, int left, int top, int width,
                   int height, std::string caption) {
  label.SetAutoSize(false);
  Place(label, parent, left, top, width, height);
  label.SetCaption(std::move(caption));
}

// A label docked to an edge of its parent, its text centred.
void SetDockedLabel(TLabel& label, TWinControl& parent, TAlign align, int design_top,
                    int height, std::string caption) {
  label.SetAutoSize(false);
  label.SetAlignment(TAlignment::taCenter);
  Place(label, parent, 0, design_top, parent.ClientRect().Width(), height);
  label.SetAlign(align);
  label.SetCaption(std::move(caption));
}

void SetButton(TButton& button, TWinControl& parent, int left, int top, int width, int height,
               std::string caption, TNotifyEvent on_click) {
  Place(button, parent, left, top, width, height);
  button.SetCaption(std::move(caption));
  button.OnClick = std::move(on_click);
}

// A button that is never shown; it only carries its handler.
void SetHiddenButton(TButton& button, TWinControl& parent, int left, int top,
                     std::string caption, TNotifyEvent on_click) {
  SetButton(button, parent, left, top, 81, 25, std::move(caption), std::move(on_click));
  button.SetVisible(false);
}

TFont BoldFont() {
  TFont font;
  font.Bold = true;
  return font;
}

void SetPage(TTabSheet& page, TPageControl& pages, std::string caption) {
  page.SetPageControl(&pages);
  page.SetCaption(std::move(caption));
}

}  // namespace

void TForm1::CreateDesign() {
  DesignFrame();
  DesignActivationPage();
  DesignOptionsPage();
  DesignUpdatesPage();
  PageControl1.SetActivePage(&TabSheet1);
}

void TForm1::DesignFrame() {
  SetCaption("Switcher");
  SetBorderStyle(TFormBorderStyle::bsSingle);
  SetPosition(TPosition::poScreenCenter);
  SetClientSize(746, 425);
  SetIcon(resources::LoadArtwork(resources::Artwork::kWindowIcon));

  Image1.SetParent(this);
  Image1.SetBounds(0, 0, 180, 238);
  Image1.SetAutoSize(true);
  Image1.SetPicture(resources::LoadArtwork(resources::Artwork::kProductPicture));
  Image1.OnClick = Bind(this, &TForm1::randomxClick);

  Place(Panel2, *this, 0, 376, 746, 49);
  Panel2.SetRaised(false);
  Panel2.SetAlign(TAlign::alBottom);
  Place(PageControl1, *this, 273, 0, 473, 376);
  PageControl1.SetAlign(TAlign::alRight);

  Image2.SetParent(&Panel2);
  Image2.SetStretch(true);
  Image2.SetAlign(TAlign::alClient);
  Image2.SetPicture(resources::LoadArtwork(resources::Artwork::kBottomBar));

  SetSizedLabel(Label14, Panel2, 248, 20, 393, 17, "");
  Label14.SetAlignment(TAlignment::taCenter);
  Label14.SetTransparent(true);

  TFont question_mark = BoldFont();
  question_mark.Height = -16;
  for (TLabel* label : {&Label19, &Label20}) {
    question_mark.Color = label == &Label19 ? clGray : clWhite;
    int offset = label == &Label19 ? 16 : 15;
    SetLabel(*label, Panel2, offset, offset, "?");
    label->SetFont(question_mark);
    label->SetTransparent(true);
    label->SetCursor(TCursor::crHelp);
    label->SetHint("Click to display PDF Manual");
    label->OnClick = Bind(this, &TForm1::Button8Click);
  }

  Place(PicButton1, Panel2, 518, 12, 78, 26);
  PicButton1.SetHint("Exit Program");
  PicButton1.SetBitmapNormal(resources::LoadArtwork(resources::Artwork::kExitNormal));
  PicButton1.SetBitmapOver(resources::LoadArtwork(resources::Artwork::kExitOver));
  PicButton1.SetBitmapDown(resources::LoadArtwork(resources::Artwork::kExitDown));
  PicButton1.OnClick = Bind(this, &TForm1::Button1Click);

  SetHiddenButton(Button8, *this, 8, 248, "View Manual", Bind(this, &TForm1::Button8Click));
  SetHiddenButton(randomx, *this, 8, 280, "randomx", Bind(this, &TForm1::randomxClick));
  SetHiddenButton(Button3, *this, 8, 312, "Button3", Bind(this, &TForm1::Button3Click));

  Timer1.SetEnabled(false);
  Timer1.SetInterval(1000);
  Timer1.OnTimer = Bind(this, &TForm1::Timer1Timer);
  Timer2.SetInterval(30000);
  Timer2.SetEnabled(true);
  Timer2.OnTimer = Bind(this, &TForm1::Timer2Timer);
}

void TForm1::DesignActivationPage() {
  SetPage(TabSheet1, PageControl1, "Scenery Activation ");
  TTabSheet& page = TabSheet1;

  SetLabel(Label3, page, 16, 8, "Developer");
  SetSizedLabel(Label1, page, 80, 8, 217, 17, "Corvane");
  Label1.SetFont(BoldFont());
  Label1.SetWordWrap(true);
  SetLabel(Label4, page, 16, 24, "Title");
  SetSizedLabel(Label2, page, 80, 24, 361, 13, "Scenery Title");
  Label2.SetFont(BoldFont());
  Label2.SetWordWrap(true);
  SetSizedLabel(Label23, page, 16, 56, 417, 41, "Scenery Description");
  Label23.SetWordWrap(true);
  SetSizedLabel(Label5, page, 16, 104, 177, 13, "Available Simulators");
  Label5.SetFont(BoldFont());
  Label5.SetAlignment(TAlignment::taCenter);

  Place(ListBox1, page, 16, 120, 177, 113);
  ListBox1.OnClick = Bind(this, &TForm1::ListBox1Click);
  ListBox1.OnDblClick = Bind(this, &TForm1::ListBox1DblClick);
  SetButton(Button2, page, 16, 232, 89, 25, "Enable All", Bind(this, &TForm1::Button2Click));
  SetButton(Button4, page, 112, 232, 81, 25, "Disable All", Bind(this, &TForm1::Button4Click));

  Place(GroupBox3, page, 200, 116, 257, 145);
  GroupBox3.SetCaption("Information");
  struct Line {
    TLabel* label;
    int height;
    bool bold;
    const char* caption;
  };
  int top = 0;
  for (const Line& line : {Line{&Label15, 16, false, ""},
                           Line{&Label6, 28, true, "Click on an entry to see current status"},
                           Line{&Label7, 28, false, "Label7"},
                           Line{&Label8, 28, false, "Label8"}}) {
    SetDockedLabel(*line.label, GroupBox3, TAlign::alTop, top, line.height, line.caption);
    line.label->SetWordWrap(line.label != &Label15);
    if (line.bold) line.label->SetFont(BoldFont());
    top += line.height;
  }
  SetButton(Activate, GroupBox3, 40, 114, 81, 25, "Enable", Bind(this, &TForm1::ActivateClick));
  Activate.SetEnabled(false);
  SetButton(Deactivate, GroupBox3, 136, 114, 81, 25, "Disable",
            Bind(this, &TForm1::DeactivateClick));
  Deactivate.SetEnabled(false);

  SetDockedLabel(Label16, page, TAlign::alBottom, 335, 13,
                 "Use the options here to enable/disable the scenery in individual simulators");
}

void TForm1::DesignOptionsPage() {
  SetPage(TabSheet3, PageControl1, "Scenery Options ");
  TTabSheet& page = TabSheet3;

  Place(GroupBox1, page, 16, 8, 329, 46);
  GroupBox1.SetCaption("  Autogen  Settings  ");
  GroupBox1.SetHint("Enable or disable the Autogen scenery (trees, buildings etc)");
  Place(Shape1, GroupBox1, 8, 16, 25, 17);
  Shape1.SetShape(TShapeType::stCircle);
  SetSizedLabel(Label13, GroupBox1, 32, 18, 217, 17, "Autogen  currently disabled");
  Label13.SetAlignment(TAlignment::taCenter);
  SetButton(Button6, GroupBox1, 256, 12, 65, 25, "Disable", Bind(this, &TForm1::Button6Click));
  SetButton(Button7, GroupBox1, 256, 12, 65, 25, "Enable", Bind(this, &TForm1::Button7Click));

  Place(CheckBox1, page, 32, 72, 321, 17);
  CheckBox1.SetCaption("CheckBox1 (placeholder)");
  CheckBox1.SetVisible(false);
  CheckBox1.OnClick = Bind(this, &TForm1::CheckBox1Click);

  SetButton(Button9, page, 384, 8, 73, 25, "Reset", Bind(this, &TForm1::Button9Click));
  Button9.SetHint(
      "Restore default seetings and remove any duplicated files that are preventing switching");
  SetHiddenButton(refreshbutton, page, 376, 168, "refreshbutton",
                  Bind(this, &TForm1::refreshbuttonClick));
  SetHiddenButton(restoresave, page, 376, 104, "restoresave",
                  Bind(this, &TForm1::restoresaveClick));
  SetHiddenButton(enablesave, page, 376, 136, "enablesave", Bind(this, &TForm1::enablesaveClick));

  // Label21 is docked first so that it ends up at the very bottom, below Label17.
  SetDockedLabel(Label21, page, TAlign::alBottom, 330, 18,
                 "Only  make changes when simulator is not running!");
  Label21.SetWordWrap(true);
  SetDockedLabel(Label17, page, TAlign::alBottom, 312, 18,
                 "Use the settings here to change the available options for the scenery");
  Label17.SetWordWrap(true);
}

void TForm1::DesignUpdatesPage() {
  SetPage(TabSheet2, PageControl1, "Scenery Updates  ");
  TTabSheet& page = TabSheet2;

  SetSizedLabel(Label11, page, 32, 16, 321, 33, "Label11");
  Label11.SetWordWrap(true);
  SetSizedLabel(Label12, page, 32, 40, 329, 33, "There are updates available");
  Label12.SetWordWrap(true);
  SetButton(Button5, page, 328, 4, 129, 25, "Check for updates", Bind(this, &TForm1::Button5Click));
  SetButton(Button11, page, 328, 32, 128, 25, "View Installed Updates",
            Bind(this, &TForm1::Button11Click));

  Place(Panel1, page, 0, 72, 329, 121);
  Panel1.SetRaised(false);
  Panel1.SetVisible(false);
  SetButton(Button12, Panel1, 32, 0, 273, 25, "Download and Install updates",
            Bind(this, &TForm1::Button12Click));
  SetSizedLabel(Label9, Panel1, 32, 32, 273, 17, "...");
  Label9.SetAlignment(TAlignment::taCenter);
  Place(ProgressBar1, Panel1, 32, 48, 273, 17);
  ProgressBar1.SetMax(100);
  SetSizedLabel(Label10, Panel1, 32, 64, 273, 17, "...");
  Label10.SetAlignment(TAlignment::taCenter);

  SetDockedLabel(Label18, page, TAlign::alBottom, 335, 13,
                 "Keep the scenery up to date with the latest updates");
}

}  // namespace manager
