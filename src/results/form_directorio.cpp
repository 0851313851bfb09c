// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/form_directorio.h"

#include <QDir>
#include <QFileSystemModel>
#include <QShowEvent>
#include <QStorageInfo>

#include "charset.h"
#include "platform/file_list_text.h"
#include "platform/game_folder.h"
#include "platform/help_context.h"
#include "platform/prompter_qt.h"
#include "platform/save_file.h"
#include "platform/text.h"
#include "ui_form_directorio.h"

namespace {

const char* const kDirectoryFile = "directorio.txt";
const char* const kWriteFailed =
    "\nError.\n\nNO se ha podido guardar el archivo de configuración.\n";
constexpr int kNameColumn = 0;
constexpr int kDateColumn = 3;

// Folders only, in two columns with Spanish headings: the name and the date.
class FolderModel : public QFileSystemModel {
 public:
  using QFileSystemModel::QFileSystemModel;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
      if (section == kNameColumn)
        return QString::fromUtf8("Carpeta");
      if (section == kDateColumn)
        return QString::fromUtf8("Modificada");
    }
    return QFileSystemModel::headerData(section, orientation, role);
  }
  QVariant data(const QModelIndex& index, int role) const override {
    const QVariant spanish = SpanishFileListText(*this, index, role);
    return spanish.isValid() ? spanish : QFileSystemModel::data(index, role);
  }
};

// The mount point that holds `folder`: the longest root that is a prefix of it.
int DriveOf(const QStringList& roots, const QString& folder) {
  int best = -1;
  for (int i = 0; i < roots.size(); ++i) {
    const QString root = roots[i].endsWith('/') ? roots[i] : roots[i] + '/';
    const bool holds = folder == roots[i] || (folder + '/').startsWith(root);
    if (holds && (best < 0 || roots[i].size() > roots[best].size()))
      best = i;
  }
  return best;
}

}  // namespace

// The file keeps the folder in Windows-1252; a character it cannot hold becomes "?".
std::string DirectoryFileText(const QString& scoreDirectory) {
  return Utf8ToAnsi(scoreDirectory.toStdString()).substr(0, kDirectoryTextLimit);
}

TForm_directorio::TForm_directorio(QWidget* owner, const GameFolder& folder, Dialogs& dialogs,
                                   QString& scoreDirectory)
    : QDialog(owner),
      ui_(std::make_unique<Ui::TForm_directorio>()),
      folder_(folder),
      dialogs_(dialogs),
      scoreDirectory_(scoreDirectory) {
  SetWindowHelpContext(*this, 516);  // the ten best scores' topic
  ui_->setupUi(this);
  setFixedSize(size());
  connect(ui_->DriveComboBox, &QComboBox::activated, this, &TForm_directorio::DriveComboBoxChange);
  connect(ui_->BitBtn_aceptar, &QPushButton::clicked, this, &TForm_directorio::BitBtn_aceptarClick);
  connect(ui_->BitBtn_cancelar, &QPushButton::clicked, this,
          &TForm_directorio::BitBtn_cancelarClick);
}

TForm_directorio::~TForm_directorio() = default;

// The drives and the folder list are read when the window is first wanted, not
// at start-up: the folder model starts a thread and asks every mounted volume.
void TForm_directorio::PrepareLists() {
  if (folders_)
    return;
  folders_ = new FolderModel(this);
  folders_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
  folders_->setReadOnly(true);
  QTreeView* tree = ui_->DirectoryListBox;
  tree->setModel(folders_);
  tree->hideColumn(1);  // size
  tree->hideColumn(2);  // kind
  tree->setColumnWidth(kNameColumn, 250);
  // The list reads folders in the background and sorts them afterwards: each time it does,
  // the folder shown as current is brought into view again.
  connect(folders_, &QFileSystemModel::directoryLoaded, this, &TForm_directorio::KeepFolderInView,
          Qt::QueuedConnection);
  connect(folders_, &QFileSystemModel::layoutChanged, this, &TForm_directorio::KeepFolderInView,
          Qt::QueuedConnection);
  FillDrives();
  // Until a folder is chosen the list shows the game folder.
  ShowFolder(folder_.Path());
}

// The mounted volumes stand for the drives: their mount points, as they are.
void TForm_directorio::FillDrives() {
  QStringList roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
      roots << volume.rootPath();
  }
  if (!roots.contains("/"))
    roots << "/";
  roots.sort();
  ui_->DriveComboBox->clear();
  ui_->DriveComboBox->addItems(roots);
}

void TForm_directorio::DriveComboBoxChange(int index) {
  if (index < 0)
    return;
  const QString root = ui_->DriveComboBox->itemText(index);
  folders_->setRootPath(root);
  ui_->DirectoryListBox->setRootIndex(folders_->index(root));
  ui_->DirectoryListBox->setCurrentIndex(folders_->index(root));
}

void TForm_directorio::ShowFolder(const QString& folder) {
  PrepareLists();
  const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
  QStringList roots;
  for (int i = 0; i < ui_->DriveComboBox->count(); ++i)
    roots << ui_->DriveComboBox->itemText(i);
  const int drive = DriveOf(roots, clean);
  if (drive >= 0) {
    ui_->DriveComboBox->setCurrentIndex(drive);
    folders_->setRootPath(roots[drive]);
    ui_->DirectoryListBox->setRootIndex(folders_->index(roots[drive]));
  }
  const QModelIndex at = folders_->index(clean);
  if (!at.isValid())
    return;
  ui_->DirectoryListBox->setCurrentIndex(at);
  ui_->DirectoryListBox->expand(at);
  folderToShow_ = clean;
  KeepFolderInView();
}

// Until another folder is chosen.
void TForm_directorio::KeepFolderInView() {
  const QModelIndex at = ui_->DirectoryListBox->currentIndex();
  if (folderToShow_.isEmpty() || !at.isValid() || folders_->filePath(at) != folderToShow_)
    return;
  ui_->DirectoryListBox->scrollTo(at, QAbstractItemView::PositionAtCenter);
}

QString TForm_directorio::CurrentFolder() {
  PrepareLists();
  const QModelIndex at = ui_->DirectoryListBox->currentIndex();
  return at.isValid() ? folders_->filePath(at) : QString();
}

// Only the program's own show moves the list; an empty folder keeps what it shows.
void TForm_directorio::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PrepareLists();
  if (!event->spontaneous() && !scoreDirectory_.isEmpty())
    ShowFolder(scoreDirectory_);
}

void TForm_directorio::BitBtn_aceptarClick() {
  const QString folder = CurrentFolder();
  if (!folder.isEmpty())
    scoreDirectory_ = folder.endsWith('/') ? folder : folder + '/';
  accept();
}

void TForm_directorio::BitBtn_cancelarClick() {
  reject();
}

void TForm_directorio::ChooseScoreDirectory() {
  exec();
  WriteDirectoryFile();
}

// Written every time, even after "Cancelar"; the program never reads it back.
void TForm_directorio::WriteDirectoryFile() {
  const std::string text = DirectoryFileText(scoreDirectory_);
  if (!SaveWhole(folder_.File(kDirectoryFile),
                 QByteArray(text.data(), static_cast<qsizetype>(text.size()))))
    dialogs_.Plain(Ansi(kWriteFailed));
}
