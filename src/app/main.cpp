// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lurimba: a word game for schoolchildren.
#include <malloc.h>
#include <qdrawutil.h>

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTimer>

#include "app/accessibility.h"
#include "app/program.h"
#include "platform/application.h"
#include "platform/game_folder.h"
#include "platform/picture_file.h"
#include "platform/prompter_qt.h"
#include "platform/screen_scale.h"
#include "platform/sound_player_qt.h"
#include "platform/speaker_qt.h"

namespace {

// Hints show after 100 ms; the keyboard focus is always plain to see.
class HintStyle : public VisibleFocusStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_ToolTip_WakeUpDelay)
      return 100;
    return VisibleFocusStyle::styleHint(hint, option, widget, data);
  }

  // The menu bar's button for menus that do not fit, from Qt's own pictures, read as
  // BuiltInPicture reads them: Qt would read them by their extension, which first loads every
  // image plugin (GIF, ICO, JPEG ...) while the main window is being made.
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override {
    const bool rightToLeft =
        option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    if (icon != SP_ToolBarHorizontalExtensionButton || rightToLeft)
      return VisibleFocusStyle::standardIcon(icon, option, widget);
    QIcon extension;
    for (int size : {8, 16, 32}) {
      extension.addPixmap(BuiltInPicture(
          QString(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1.png").arg(size)));
    }
    return extension;
  }

  // The frame of a group box, Fusion's own picture drawn as Fusion draws it, but read as
  // BuiltInPicture reads it: Fusion reads it by its extension, which would load every image
  // plugin at the main window's first painting.
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element != PE_FrameGroupBox)
      return VisibleFocusStyle::drawPrimitive(element, option, painter, widget);
    constexpr int kTopMargin = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int top =
        box && !box->isCheckable() && box->title().isEmpty()
            ? kTopMargin
            : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                  kTopMargin;
    qDrawBorderPixmap(
        painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
        BuiltInPicture(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
  }
};

// The program's icon for title bars and task bars. Larger sizes (alt-tab, menus) come from the
// installed icon theme; held here, 128 and 256 pixels would keep 320 KiB for good.
void SetWindowIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    icon.addPixmap(BuiltInPicture(QString(":/images/lurimba-%1.png").arg(size)));
  }
  QApplication::setWindowIcon(icon);
}

}  // namespace

int main(int argc, char* argv[]) {
  // Pictures and files of more than 128 KiB get memory of their own, given back whole when they
  // go: by default the C library raises that bound to the largest block freed so far, and the
  // pictures checked at start and dropped would then leave their room in the heap for good.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  // The decorations repaint a few hundred pixels several times a second. Through shared memory
  // Qt waits for the X server to have read the last frame before it paints the next, a round trip
  // and two wake-ups each time; sent with the request, a small repaint needs no answer.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
    qputenv("QT_XCB_NO_MITSHM", "1");
  ChooseScaleFactor(argc, argv, TForm_juego::kDesignSize);
  Application app(argc, argv);
  ReleaseScaleProbe();
  InstallAccessibleNames();
  QApplication::setApplicationName("Lurimba");
  QApplication::setStyle(new HintStyle);
  const GameFolder folder = ChooseGameFolder(QApplication::applicationDirPath());

  QtDialogs dialogs;
  ReportNotCopied(folder, dialogs, kCaption);  // before the game starts, with no owner yet
  QtSoundPlayer sound;
  QtSpeaker speech;
  Program program(folder, dialogs, sound, speech);
  dialogs.SetOwner(program.Form_juego.get());
  app.ShowExceptionsWith(&dialogs);
  program.Form_juego->showMaximized();
  // The icon comes once the event loop runs, just after the window shows: the window comes sooner.
  QTimer::singleShot(0, &app, SetWindowIcon);
  return QApplication::exec();
}
