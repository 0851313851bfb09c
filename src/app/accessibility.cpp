// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <vector>

#include "platform/scaled_accessible.h"
#include "platform/text.h"
#include "spelling.h"
#include "ui_form_juego.h"

namespace {

using Namer = std::function<QString(const QWidget*)>;

// The invisible control that speaks the result of each press.
constexpr const char* kAnnouncerName = "Anuncio_pulsacion";

QString Spell(const QString& shown) {
  return ToQt(SpellShownWord(FromQt(shown)));
}

QString Caption(const QGroupBox* box) {
  QString title = box->title().trimmed();
  title.remove('&');
  return title;
}

// A label that says what it shows now, with its caption.
class NamedLabel : public QAccessibleWidget {
 public:
  NamedLabel(QWidget* label, Namer namer)
      : QAccessibleWidget(label, QAccessible::StaticText), namer_(std::move(namer)) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return namer_(widget());
    if (t == QAccessible::Value)
      return static_cast<const QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }

 private:
  Namer namer_;
};

// A button named by what it stands for now (a key by its letter); its press
// action is a click, exactly as the mouse gives it.
class NamedButton : public QAccessibleWidget {
 public:
  NamedButton(QWidget* button, Namer namer)
      : QAccessibleWidget(button, QAccessible::Button), namer_(std::move(namer)) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return namer_(widget());
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      if (widget()->isEnabled() && widget()->isVisible())
        static_cast<QAbstractButton*>(widget())->click();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  Namer namer_;
};

// A feedback dialog. A screen reader reads its message, a label, when it opens;
// its description says the way on, which no control can take the focus for.
class MessageDialog : public QAccessibleWidget {
 public:
  explicit MessageDialog(QWidget* dialog) : QAccessibleWidget(dialog, QAccessible::Dialog) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
      return QStringLiteral("Pulsa Escape para seguir.");
    return QAccessibleWidget::text(t);
  }
  static QString DialogMessage(const QWidget* dialog) {
    const auto* message = dialog->findChild<QLabel*>("Label1");
    return message ? message->text().simplified() : QString();
  }
};

bool IsFeedbackDialog(const QWidget* widget) {
  return widget->objectName() == "Form_Acierto" || widget->objectName() == "Form_Error";
}

// The letter a key stands for: its caption, or for a coloured vowel the vowel
// its name carries ("BitBtn_e" gives e, "BitBtn_ME" gives E).
QString KeyName(const QWidget* key) {
  QString letter = static_cast<const QAbstractButton*>(key)->text();
  if (key->objectName().startsWith("BitBtn_")) {
    const QString name = key->objectName().mid(7);
    letter = name.size() == 2 ? name.right(1) : name;
  }
  letter.replace("&&", "&");
  if (letter.isEmpty())
    return QStringLiteral("Tecla vacía");
  return ToQt(LetterName(FromQt(letter).front()));
}

bool IsLetterKey(const QWidget* widget) {
  const QWidget* parent = widget->parentWidget();
  return parent && parent->objectName() == "Panel_teclas" &&
         qobject_cast<const QPushButton*>(widget);
}

// How each label of the main window is named from what it shows.
Namer LabelNamer(const QLabel* label) {
  const QString name = label->objectName();
  if (name == "Label_palabra" || name == "Label_palabra2")
    return [](const QWidget* w) { return Spell(static_cast<const QLabel*>(w)->text()); };
  if (name.startsWith("Label_letrafallo")) {
    return [](const QWidget* w) {
      const QString letter = static_cast<const QLabel*>(w)->text();
      return letter.isEmpty() ? QStringLiteral("Letra fallada: ninguna")
                              : "Letra fallada: " + Spell(letter);
    };
  }
  if (name == "Label_tiempo")
    return [](const QWidget* w) {
      return "Tiempo: " + static_cast<const QLabel*>(w)->text().simplified();
    };
  if (name == "Label_tema" || name == "Label_pista")
    return [](const QWidget* w) { return static_cast<const QLabel*>(w)->text(); };
  const auto* box = qobject_cast<const QGroupBox*>(label->parentWidget());
  if (box && name.startsWith("Label_")) {
    return [box](const QWidget* w) {
      return Caption(box) + ": " + static_cast<const QLabel*>(w)->text();
    };
  }
  return nullptr;
}

QAccessibleInterface* GameAccessibleFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget)
    return nullptr;
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->window()->objectName() != "Form_juego")
      return nullptr;
    if (Namer namer = LabelNamer(label))
      return new NamedLabel(label, std::move(namer));
    return nullptr;
  }
  if (IsLetterKey(widget))
    return new NamedButton(widget, KeyName);
  if (widget->objectName() == kAnnouncerName)
    return new QAccessibleWidget(widget, QAccessible::Notification);
  if (IsFeedbackDialog(widget) && widget->isWindow())
    return new MessageDialog(widget);
  // The dialogs' only focusable button does nothing: it says the message.
  if (widget->objectName() == "Button_nulo" && IsFeedbackDialog(widget->window())) {
    return new NamedButton(
        widget, [](const QWidget* w) { return MessageDialog::DialogMessage(w->window()); });
  }
  return nullptr;
}

// What the game says goes through invisible notifications of the main window,
// shown anew each time. A screen reader speaks a notification when it shows,
// wherever the focus is; Orca cannot speak a changed description as Debian's Qt
// reports it. A screen reader reads the text when it comes to the event, which
// may be seconds later (every key renamed at once keeps Orca busy that long), so
// each text keeps a notification of its own until several more have been said.
constexpr int kAnnouncers = 8;
constexpr const char* kSlot = "lurimbaAnnouncerSlot";
constexpr const char* kLastSlot = "lurimbaLastAnnouncerSlot";

QWidget* AnnouncerAt(const QWidget* window, int slot) {
  for (QWidget* child : window->findChildren<QWidget*>(kAnnouncerName, Qt::FindDirectChildrenOnly))
    if (child->property(kSlot).toInt() == slot)
      return child;
  return nullptr;
}

QWidget* FindAnnouncer(const QWidget* window) {
  const QVariant last = window->property(kLastSlot);
  return last.isValid() ? AnnouncerAt(window, last.toInt()) : nullptr;
}

// The notification for the next text: the one after the last, round the ring.
QWidget* NextAnnouncer(QWidget* window) {
  const QVariant last = window->property(kLastSlot);
  const int slot = last.isValid() ? (last.toInt() + 1) % kAnnouncers : 0;
  window->setProperty(kLastSlot, slot);
  if (QWidget* found = AnnouncerAt(window, slot))
    return found;
  auto* announcer = new QWidget(window);
  announcer->setObjectName(kAnnouncerName);
  announcer->setProperty(kSlot, slot);
  announcer->setFocusPolicy(Qt::NoFocus);
  announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
  announcer->setGeometry(0, 0, 1, 1);
  return announcer;
}

// Shows a notification anew with `text`.
void Announce(QWidget* window, const QString& text) {
  QWidget* announcer = NextAnnouncer(window);
  announcer->hide();
  announcer->setAccessibleName(text);
  announcer->show();
}

bool ReadsBefore(QWidget* a, QWidget* b, QWidget* top) {
  const QPoint pa = a->mapTo(top, QPoint(0, 0));
  const QPoint pb = b->mapTo(top, QPoint(0, 0));
  // Controls less than half a key apart in height share a row.
  constexpr int kRowTolerance = 20;
  if (std::abs(pa.y() - pb.y()) > kRowTolerance)
    return pa.y() < pb.y();
  return pa.x() < pb.x();
}

}  // namespace

void InstallAccessibleNames() {
  QAccessible::installFactory(GameAccessibleFactory);
  // Last, so that it gives the places of the interfaces made above too.
  InstallScreenPixelExtents();
}

void SetUpAccessibility(Ui::TForm_juego& ui) {
  ui.Label_palabra->setAccessibleDescription(
      QStringLiteral("Palabra para completar. ¿Qué letras faltan?"));
  ui.Label_palabra2->setAccessibleDescription(QStringLiteral("La palabra acertada"));
  ui.SpeedButton_may->setAccessibleName(QStringLiteral("Mayúsculas"));
  ui.SpeedButton_may->setAccessibleDescription(ui.SpeedButton_may->toolTip());
  ui.Panel_teclas->setAccessibleName(QStringLiteral("Teclado"));
  ui.Panel_palabra->setAccessibleName(QStringLiteral("Palabra"));
  // Tab reaches every control; a click never moves the focus, as before.
  QWidget* top = ui.Panel_juego;
  std::vector<QWidget*> order;
  for (QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
    button->setFocusPolicy(Qt::TabFocus);
    order.push_back(button);
  }
  std::stable_sort(order.begin(), order.end(),
                   [top](QWidget* a, QWidget* b) { return ReadsBefore(a, b, top); });
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1], order[i]);
}

void AnnouncePress(QWidget* window, char letter, PressResult result, int chancesLeft,
                   const std::string& shownWord) {
  const QString text = ToQt(PressAnnouncement(letter, result, chancesLeft, shownWord));
  if (!text.isEmpty())
    Announce(window, text);
}

void AnnounceWord(QWidget* window, const QString& shownWord) {
  QString text = QStringLiteral("Palabra nueva: ") + Spell(shownWord);
  const auto* hint = window->findChild<QLabel*>("Label_pista");
  if (hint && !hint->isHidden() && !hint->text().isEmpty())
    text += ". " + hint->text();
  Announce(window, text);
}

QString LastAnnouncement(const QWidget* window) {
  const QWidget* announcer = FindAnnouncer(window);
  return announcer ? announcer->accessibleName() : QString();
}

QuietAccessibility::QuietAccessibility()
    : previous_(QAccessible::installUpdateHandler([](QAccessibleEvent*) {})) {}

QuietAccessibility::~QuietAccessibility() {
  QAccessible::installUpdateHandler(previous_);
}

void VisibleFocusStyle::drawControl(ControlElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  if (element != CE_PushButton || !(option->state & State_HasFocus))
    return;
  painter->save();
  QPen pen(QColor(255, 140, 0));
  pen.setWidth(3);
  painter->setPen(pen);
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(option->rect.adjusted(1, 1, -2, -2));
  painter->restore();
}
