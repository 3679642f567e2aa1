#include "app/form_propaty.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/app_texts.h"
#include "app/ui_fonts.h"

namespace morvane::app {

namespace {

constexpr int kClientWidth = 463;
constexpr int kClientHeight = 255;

struct Field {
  const char* Label;
  const char* Edit;
};

// txtPatrsCount keeps its designed spelling.
constexpr Field kFields[] = {
    {"lblKind", "txtPartsName"},   {"lblCoordinates", "txtPartsPosition"}, {"lblAngle", "txtPartsAngle"},
    {"lblPin", "txtPinCount"},     {"lblParts", "txtPatrsCount"},
};

QLabel* NamedLabel(const char* name) {
  auto* label = new QLabel;
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

TformPropaty::TformPropaty(Language language) {
  setObjectName(QStringLiteral("TformPropaty"));
  // A fixed border with a title and no buttons in it: btnClose closes.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(kClientWidth, kClientHeight);
  setModal(true);
  setFont(WindowFont(language));

  auto* grid = new QGridLayout(this);
  int row = 0;
  for (const Field& field : kFields) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(field.Edit));
    edit->setReadOnly(true);
    grid->addWidget(NamedLabel(field.Label), row, 0);
    grid->addWidget(edit, row, 1);
    ++row;
  }
  auto* range = new QPlainTextEdit;
  range->setObjectName(QStringLiteral("txtMoveArea"));
  range->setReadOnly(true);
  grid->addWidget(NamedLabel("lblRange"), row, 0, Qt::AlignTop);
  grid->addWidget(range, row, 1);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(1, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(NamedLabel("lblNumber"), 1);
  auto* close = new QPushButton;
  close->setObjectName(QStringLiteral("btnClose"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addWidget(close);
  grid->addLayout(bottom, row + 1, 0, 1, 2);

  ApplyTexts(*this, language);
}

}  // namespace morvane::app
