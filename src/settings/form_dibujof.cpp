// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/form_dibujof.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QTreeWidgetItem>

#include "platform/help_context.h"
#include "platform/picture_file.h"
#include "platform/title_bar.h"
#include "ui_form_dibujof.h"

namespace {

const char* const kPictureFolder = "fondos";
const char* const kTextureFolder = "texturas";
const char* const kPreviewError = "Error en archivo de imagen. No se puede previsualizar.";
const char* const kAcceptError = "Error en archivo de imagen.";
constexpr int kPathRole = Qt::UserRole;

}  // namespace

TForm_dibujof::TForm_dibujof(QWidget* owner, const GameFolder& folder, Dialogs& dialogs)
    : QDialog(owner),
      gameFolder_(folder),
      ui_(std::make_unique<Ui::TForm_dibujof>()),
      dialogs_(dialogs) {
  ui_->setupUi(this);
  RemoveTitleBarButtons(*this);
  setFixedSize(size());
  SetWindowHelpContext(*this, 519);  // the background's topic
  if (owner != nullptr)
    move(owner->geometry().topLeft() + QPoint(20, 30));
  connect(ui_->DirectoryListBox, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { OpenFolder(item->data(0, kPathRole).toString()); });
  connect(ui_->FileListBox, &QListWidget::itemSelectionChanged, this,
          &TForm_dibujof::FileListBoxClick);
  connect(ui_->Button_aceptar, &QPushButton::clicked, this, &TForm_dibujof::Button_aceptarClick);
  connect(ui_->Button_cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

TForm_dibujof::~TForm_dibujof() = default;

std::optional<ChosenBackground> TForm_dibujof::Choose(BackgroundKind kind) {
  PrepareFor(kind);
  if (exec() != QDialog::Accepted)
    return std::nullopt;
  return chosen_;
}

void TForm_dibujof::PrepareFor(BackgroundKind kind) {
  kind_ = kind;
  chosen_ = {};
  // The drive cannot be changed: there is one root. Its icon is looked up in the desktop's icon
  // theme, which takes a while: at the first choice rather than at start-up.
  if (ui_->DriveComboBox->count() == 0)
    ui_->DriveComboBox->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), "/");
  const bool picture = kind == BackgroundKind::Picture;
  setWindowTitle(picture ? "Imagen para fondo" : "Textura para fondo");
  // A picture is previewed stretched over the box; a texture at its own size, cut at the box.
  ui_->Image1->setScaledContents(picture);
  mask_ = picture ? QStringList{"*.bmp", "*.wmf"} : QStringList{"*.bmp"};
  // Until one has been accepted, the chooser starts in the shipped folder.
  const bool chosenBefore = picture ? pictureChosen_ : textureChosen_;
  QString folder = folder_;
  if (!chosenBefore || folder.isEmpty())
    folder = gameFolder_.File(picture ? kPictureFolder : kTextureFolder);
  OpenFolder(folder);
}

void TForm_dibujof::OpenFolder(const QString& folder) {
  const QFileInfo info(folder);
  folder_ = info.isDir() ? info.absoluteFilePath() : gameFolder_.Path();
  FillFolderList();
  FillFileList();
}

// The folders from the root down to the one open, then the folders inside it.
void TForm_dibujof::FillFolderList() {
  QTreeWidget& list = *ui_->DirectoryListBox;
  list.clear();
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  QStringList chain;
  for (QDir dir(folder_);;) {
    chain.prepend(dir.absolutePath());
    if (dir.isRoot() || !dir.cdUp())
      break;
  }
  QTreeWidgetItem* parent = nullptr;
  for (const QString& path : chain) {
    const QString name = QDir(path).isRoot() ? path : QDir(path).dirName();
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&list);
    item->setText(0, name);
    item->setIcon(0, open);
    item->setData(0, kPathRole, path);
    item->setExpanded(true);
    parent = item;
  }
  const QDir open_dir(folder_);
  for (const QFileInfo& sub :
       open_dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    auto* item = new QTreeWidgetItem(parent);
    item->setText(0, sub.fileName());
    item->setIcon(0, closed);
    item->setData(0, kPathRole, sub.absoluteFilePath());
  }
  if (parent != nullptr) {
    parent->setExpanded(true);
    list.setCurrentItem(parent);
  }
}

void TForm_dibujof::FillFileList() {
  ui_->FileListBox->clear();
  const QDir dir(folder_);
  ui_->FileListBox->addItems(dir.entryList(mask_, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QString TForm_dibujof::SelectedPath() const {
  const QList<QListWidgetItem*> selected = ui_->FileListBox->selectedItems();
  if (selected.isEmpty())
    return {};
  return QDir(folder_).absoluteFilePath(selected.first()->text());
}

void TForm_dibujof::FileListBoxClick() {
  const QString path = SelectedPath();
  if (path.isEmpty())
    return;
  const std::optional<QImage> image = LoadBackgroundPicture(path);
  if (!image) {
    dialogs_.Plain(kPreviewError);  // the preview keeps what it showed
    return;
  }
  ui_->Image1->setPixmap(QPixmap::fromImage(*image));
}

void TForm_dibujof::Button_aceptarClick() {
  const QString path = SelectedPath();
  if (path.isEmpty())
    return;  // nothing chosen: the chooser stays open
  std::optional<QImage> image = LoadBackgroundPicture(path);
  if (!image) {
    dialogs_.Plain(kAcceptError);
    // A texture that cannot be read leaves the chooser open; a picture closes
    // it all the same, and the background keeps what it had.
    if (kind_ == BackgroundKind::Texture)
      return;
  } else if (kind_ == BackgroundKind::Picture) {
    pictureChosen_ = true;
  } else {
    textureChosen_ = true;
  }
  chosen_ = {path, image.value_or(QImage())};
  accept();
}
