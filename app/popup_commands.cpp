#include "app/popup_commands.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <string>
#include <utility>

#include "app/canvas_widget.h"
#include "app/document_view.h"
#include "app/form_main.h"
#include "app/form_propaty.h"
#include "app/user_dialogs.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

template <typename Control>
Control& Field(TformPropaty& window, const char* name) {
  return *window.findChild<Control*>(QString::fromLatin1(name));
}

void FillPropaty(TformPropaty& window, const PartProperties& texts) {
  const std::pair<const char*, const std::string&> edits[] = {
      {"txtPartsName", texts.Name},  {"txtPartsPosition", texts.Position}, {"txtPartsAngle", texts.Angle},
      {"txtPinCount", texts.Pins},   {"txtPatrsCount", texts.Parts},
  };
  for (const auto& [name, text] : edits) {
    QLineEdit& edit = Field<QLineEdit>(window, name);
    edit.setText(ToQString(text));
    // A text longer than the field shows from its beginning.
    edit.setCursorPosition(0);
  }
  Field<QPlainTextEdit>(window, "txtMoveArea").setPlainText(ToQString(texts.Range));
  Field<QLabel>(window, "lblNumber").setText(ToQString(texts.Number));
}

}  // namespace

PopupCommands::PopupCommands(DocumentView& view, TformPropaty& propaty) : view_(view), propaty_(propaty) {
  TformMain& main = view_.Main();
  connect(&main, &TformMain::PopUpDeleteOnClick, this, [this] { Delete(part_, point_); });
  connect(&main, &TformMain::PopUpKaitenOnClick, this, &PopupCommands::Turn);
  connect(&main, &TformMain::PopUpPropatyOnClick, this, &PopupCommands::ShowProperties);
}

void PopupCommands::OpenAt(int part, QPoint canvasPoint) {
  part_ = part;
  point_ = canvasPoint;
  TformMain& main = view_.Main();
  main.PopupMenu().popup(main.Canvas().mapToGlobal(canvasPoint));
}

void PopupCommands::Delete(int part, QPoint canvasPoint) {
  Session& session = view_.Document();
  const DeletePlan plan = session.PlanDelete(part, canvasPoint.x(), canvasPoint.y());
  if (plan.What == DeletePlan::Target::Nothing) {
    return;
  }
  if (plan.What == DeletePlan::Target::Refused) {
    view_.Show(Notice{Notice::Style::Warning, plan.Text});
    return;
  }
  session.Delete(plan, view_.Dialogs().Confirm(&view_.Main(), ToQString(plan.Text)));
  view_.Update();
}

void PopupCommands::Turn(int tag) {
  const Reply warning = view_.Document().Rotate(part_, tag);
  view_.Update();
  view_.Show(warning);
}

void PopupCommands::ShowProperties() {
  if (part_ < 0 || part_ >= view_.Document().Model().PartCount) {
    return;
  }
  FillPropaty(propaty_, view_.Document().Describe(part_, point_.x(), point_.y()));
  propaty_.exec();
}

}  // namespace morvane::app
