#include "ui/About/About.h"

#include <QPushButton>

#include "ui/widgets/TitanframeArt.h"
#include "ui_About.h"

#ifndef TFD_VERSION
#define TFD_VERSION "unknown"
#endif

namespace tfd {

TfrmAboutBox::TfrmAboutBox(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::frmAboutBox>()) {
  ui_->setupUi(this);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  QFont name = ui_->lblProductName->font();
  name.setPointSizeF(name.pointSizeF() * 1.6);
  name.setBold(true);
  ui_->lblProductName->setFont(name);
  ui_->lblVersion->setText(tr("Version %1").arg(Version()));
  ui_->imgLogo->setPixmap(TitanframeEmblem(96));
  ui_->lblComments->setMinimumWidth(300);

  connect(ui_->btnOK, &QDialogButtonBox::accepted, this, &QDialog::accept);
  ui_->btnOK->button(QDialogButtonBox::Ok)->setDefault(true);
  setFixedSize(sizeHint());
}

TfrmAboutBox::~TfrmAboutBox() = default;

QString TfrmAboutBox::Version() { return QStringLiteral(TFD_VERSION); }

}  // namespace tfd
