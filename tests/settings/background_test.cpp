// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The background of the main window: the three commands, the chooser driven
// with clicks, and what is kept when a file cannot be read.
#include "settings/background.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "platform/game_folder.h"
#include "platform/picture_file.h"
#include "settings/form_dibujof.h"
#include "settings/said.h"
#include "support/files.h"
#include "support/window_fixture.h"
#include "ui_form_dibujof.h"
#include "ui_form_juego.h"

namespace {

const char* const kPreviewError = "Error en archivo de imagen. No se puede previsualizar.";
const char* const kAcceptError = "Error en archivo de imagen.";
const char* const kTextureError = "Error en archivo de textura para fondo.";

class BackgroundTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    background = &main().background();
    background->SetScreenSize([] { return QSize(800, 600); });
  }

  TForm_dibujof& chooser() { return *program->Form_dibujof; }
  Ui::TForm_dibujof& chooserUi() { return *chooser().ui(); }
  QLabel& image() { return *main().ui()->Image_fondopantalla; }
  QString InFolder(const QString& relative) { return folder.path() + "/" + relative; }

  QStringList Files() {
    QStringList names;
    for (const QListWidgetItem* item : chooserUi().FileListBox->findItems("*", Qt::MatchWildcard))
      names << item->text();
    return names;
  }
  void ClickFile(const QString& name) {
    QListWidget& list = *chooserUi().FileListBox;
    const auto items = list.findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString() << " is not in the list";
    list.scrollToItem(items.first());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(items.first()).center());
  }
  void DoubleClickFolder(const QString& name) {
    QTreeWidget& tree = *chooserUi().DirectoryListBox;
    const auto items = tree.findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(items.size(), 1) << name.toStdString() << " is not in the folder list";
    tree.scrollToItem(items.first());
    // As the window system sends it: a press and a release, then the double click.
    const QPoint at = tree.visualItemRect(items.first()).center();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
  }
  void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  // Runs a command while the chooser is answered by `answer`.
  void Command(QAction* command, const std::function<void()>& answer) {
    WhileModal([&] { command->trigger(); }, answer);
  }
  void ShowMain() {
    main().show();
    main().Timer_juego.stop();  // no players window: the tests need none
    main().Timer_icono.stop();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
  }
  QAction* pictureCommand() { return main().ui()->Mp_Imagendefondo; }
  QAction* textureCommand() { return main().ui()->Mp_Texturaparafondo; }

  const Settings& settings() { return game().settings(); }
  // The main window's background: what the settings hold and what is shown.
  struct Shown {
    BackgroundMode mode;
    std::string file;
    qint64 picture;  // the pixmap's cache key
    bool hidden;
    bool operator==(const Shown&) const = default;
  };
  Shown Now() {
    return {settings().backgroundMode, settings().backgroundFile, image().pixmap().cacheKey(),
            image().isHidden()};
  }
  Background* background = nullptr;
};

TEST_F(BackgroundTest, APictureChosenWithClicksIsStretchedBehindEverything) {
  Command(pictureCommand(), [&] {
    EXPECT_EQ(settings().backgroundMode, BackgroundMode::Picture) << "the chooser's mode";
    EXPECT_EQ(chooser().Folder(), InFolder("fondos"));
    EXPECT_EQ(Files(), QStringList({"bosque.bmp", "castillo.bmp", "cielo.bmp", "colinas.wmf",
                                    "mar.bmp", "noche.bmp", "pradera.bmp"}));
    ClickFile("colinas.wmf");
    EXPECT_TRUE(chooserUi().Image1->hasScaledContents());
    EXPECT_EQ(chooserUi().Image1->pixmap().size(), QSize(1024, 768));
    Click(chooserUi().Button_aceptar);
  });
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(settings().backgroundMode, BackgroundMode::Picture);
  EXPECT_EQ(settings().backgroundFile, InFolder("fondos/colinas.wmf").toStdString());
  EXPECT_TRUE(chooser().pictureChosen());
  EXPECT_FALSE(image().isHidden());
  EXPECT_TRUE(image().hasScaledContents());
  EXPECT_EQ(image().pixmap().size(), QSize(1024, 768));
  // The first child drawn, that is the one behind all others.
  EXPECT_EQ(main().ui()->Panel_juego->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).first(),
            &image());
}

TEST_F(BackgroundTest, ThePictureCoversTheWholeAreaAndOpensTheBackgroundMenu) {
  ShowMain();
  ASSERT_TRUE(background->ApplyPicture("fondos/colinas.wmf"));
  QWidget& area = *main().ui()->Panel_juego;
  EXPECT_EQ(image().geometry(), area.rect());
  // The game's controls, laid out for 800x548, stay together in the middle.
  const auto middle = [&] {
    return QPoint(std::max(0, (area.width() - 800) / 2), std::max(0, (area.height() - 548) / 2));
  };
  QWidget& word = *main().ui()->Panel_palabra;
  const QPoint wordInDesign = word.pos() - middle();
  main().resize(main().width() + 150, main().height() + 100);
  QApplication::processEvents();
  EXPECT_GT(middle().x(), 0);
  EXPECT_EQ(image().geometry(), area.rect());
  EXPECT_EQ(word.pos(), wordInDesign + middle());
  // A right press in the bottom right corner, where only the picture lies, opens its menu.
  const QPoint free(area.width() - 3, area.height() - 3);
  ASSERT_EQ(area.childAt(free), nullptr);
  QTest::mouseClick(main().windowHandle(), Qt::RightButton, {}, area.mapTo(&main(), free));
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->objectName(), "PopupMenu_pantalla");
  popup->close();
}

TEST_F(BackgroundTest, ATextureChosenWithClicksIsRepeatedFromTheTopLeftCorner) {
  WriteBytes(InFolder("texturas/dibujo.wmf"), "");  // pictures only: not offered for textures
  Command(textureCommand(), [&] {
    EXPECT_EQ(chooser().Folder(), InFolder("texturas"));
    EXPECT_FALSE(Files().contains("dibujo.wmf"));
    EXPECT_TRUE(Files().contains("ladrillo.bmp"));
    ClickFile("ladrillo.bmp");
    EXPECT_FALSE(chooserUi().Image1->hasScaledContents()) << "shown at its own size";
    Click(chooserUi().Button_aceptar);
  });
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(settings().backgroundMode, BackgroundMode::Texture);
  EXPECT_EQ(settings().backgroundFile, InFolder("texturas/ladrillo.bmp").toStdString());
  EXPECT_TRUE(chooser().textureChosen());
  EXPECT_FALSE(image().isHidden());
  EXPECT_FALSE(image().hasScaledContents());
  const QImage tile = LoadBackgroundPicture(InFolder("texturas/ladrillo.bmp")).value();
  const QImage canvas = image().pixmap().toImage();
  ASSERT_GE(canvas.width(), 800);
  ASSERT_GE(canvas.height(), 600);
  for (const QPoint at : {QPoint(0, 0), QPoint(130, 5), QPoint(799, 599)}) {
    EXPECT_EQ(canvas.pixel(at), tile.pixel(at.x() % tile.width(), at.y() % tile.height()))
        << at.x() << ", " << at.y();
  }
}

// "Aceptar" with nothing selected leaves the chooser open; cancelling it after browsing
// keeps the background as it was.
TEST_F(BackgroundTest, AcceptingNothingOrCancellingAfterBrowsingKeepsTheBackground) {
  ASSERT_TRUE(background->ApplyTexture("texturas/arena.bmp"));
  const Shown before = Now();
  Command(pictureCommand(), [&] {
    Click(chooserUi().Button_aceptar);
    EXPECT_TRUE(chooser().isVisible());
    DoubleClickFolder(QFileInfo(folder.path()).fileName());
    EXPECT_EQ(chooser().Folder(), folder.path());
    DoubleClickFolder("archivos");
    EXPECT_EQ(chooser().Folder(), InFolder("archivos"));
    Click(chooserUi().Button_cancelar);
  });
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(Now(), before);
}

// An unreadable picture (here one cut short) is said at its preview, which keeps what it
// showed; accepted, it closes the chooser, is not recorded and does not touch the background.
TEST_F(BackgroundTest, AnUnreadablePictureIsNotRecordedAndTheBackgroundStaysWhole) {
  ASSERT_TRUE(background->ApplyTexture("texturas/agua.bmp"));
  const Shown before = Now();
  const QByteArray whole = ReadBytes(InFolder("fondos/mar.bmp"));
  ASSERT_FALSE(whole.isEmpty());
  WriteBytes(InFolder("fondos/roto.bmp"), whole.left(whole.size() / 2));
  Command(pictureCommand(), [&] {
    ClickFile("mar.bmp");
    const qint64 preview = chooserUi().Image1->pixmap().cacheKey();
    ClickFile("roto.bmp");
    EXPECT_EQ(Said(dialogs), Texts{kPreviewError});
    EXPECT_EQ(chooserUi().Image1->pixmap().cacheKey(), preview);
    Click(chooserUi().Button_aceptar);
  });
  EXPECT_EQ(Said(dialogs), (Texts{kPreviewError, kAcceptError}));
  EXPECT_FALSE(chooser().pictureChosen());
  EXPECT_EQ(Now(), before);
}

// Which files the loader refuses is its own test; here, a texture deleted since it was
// chosen gives its message and a plain background.
TEST_F(BackgroundTest, ADeletedTextureGivesItsMessageAndAPlainBackground) {
  const QString path = InFolder("texturas/mia.bmp");
  ASSERT_TRUE(QFile::copy(InFolder("texturas/papel.bmp"), path));
  ASSERT_TRUE(background->ApplyTexture(path));
  ASSERT_TRUE(QFile::remove(path));
  EXPECT_FALSE(background->ApplyTexture(path));
  EXPECT_EQ(Said(dialogs), Texts{kTextureError});
  EXPECT_EQ(settings().backgroundMode, BackgroundMode::Colour);
  EXPECT_TRUE(image().isHidden());
}

TEST_F(BackgroundTest, AColourHidesThePictureAndCancellingTheColourChangesNothing) {
  ASSERT_TRUE(background->ApplyPicture("fondos/mar.bmp"));
  const Shown before = Now();
  main().ui()->Mp_Colordefondo->trigger();  // no colour given: cancelled
  EXPECT_EQ(Now(), before);

  dialogs.colours.push_back(QColor(10, 20, 30));
  main().ui()->Mp_Colordefondo->trigger();
  EXPECT_EQ(settings().backgroundMode, BackgroundMode::Colour);
  EXPECT_EQ(settings().windowColour, 0x001E140Au);
  EXPECT_TRUE(image().isHidden());
  EXPECT_EQ(main().ui()->Panel_juego->palette().color(QPalette::Window), QColor(10, 20, 30));
  EXPECT_EQ(main().palette().color(QPalette::Window), QColor(10, 20, 30));
}

}  // namespace
