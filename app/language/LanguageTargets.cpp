#include "app/language/LanguageTargets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTreeWidget>

#include "platform/qt/LanguageTexts.h"
#include "platform/qt/Panel.h"
#include "platform/qt/TextCodec.h"

namespace app {
namespace {

QObject* FindBelow(const QObject* root, const QString& name) {
  const QObjectList& children = root->children();
  for (QObject* child : children)
    if (child->objectName() == name) return child;
  for (QObject* child : children) {
    // A window or frame inside this one keeps its members to itself.
    if (child->isWidgetType() && IsLanguageWindowName(child->objectName())) continue;
    if (QObject* found = FindBelow(child, name)) return found;
  }
  return nullptr;
}

std::optional<QString> CaptionOf(const QObject* o) {
  if (const auto* panel = dynamic_cast<const platform::Panel*>(o)) return panel->Caption();
  if (const auto* label = qobject_cast<const QLabel*>(o)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(o)) return button->text();
  if (const auto* action = qobject_cast<const QAction*>(o)) return action->text();
  if (const auto* group = qobject_cast<const QGroupBox*>(o)) return group->title();
  return std::nullopt;
}

bool SetCaption(QObject* o, const QString& text) {
  if (auto* panel = dynamic_cast<platform::Panel*>(o)) {
    panel->SetCaption(text);
  } else if (auto* label = qobject_cast<QLabel*>(o)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(o)) {
    button->setText(text);
    button->update();
  } else if (auto* action = qobject_cast<QAction*>(o)) {
    action->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(o)) {
    group->setTitle(text);
  } else {
    return false;
  }
  return true;
}

std::optional<QString> HintOf(const QObject* o) {
  if (const auto* panel = dynamic_cast<const platform::Panel*>(o)) return panel->Hint();
  if (const auto* widget = qobject_cast<const QWidget*>(o)) return widget->toolTip();
  if (const auto* action = qobject_cast<const QAction*>(o)) return action->toolTip();
  return std::nullopt;
}

bool SetHint(QObject* o, const QString& text) {
  if (auto* panel = dynamic_cast<platform::Panel*>(o)) {
    panel->SetHint(text);
  } else if (auto* widget = qobject_cast<QWidget*>(o)) {
    widget->setToolTip(text);
  } else if (auto* action = qobject_cast<QAction*>(o)) {
    action->setToolTip(text);
  } else {
    return false;
  }
  return true;
}

// A list of the program's own making shows its columns through the item
// view inside it.
template <class Object>
Object* ColumnView(Object* o) {
  if (qobject_cast<const QAbstractItemView*>(o) || !o->isWidgetType()) return o;
  if (QAbstractItemView* view = o->template findChild<QAbstractItemView*>()) return view;
  return o;
}

std::optional<QString> ColumnOf(const QObject* o, int column) {
  o = ColumnView(o);
  if (const auto* tree = qobject_cast<const QTreeWidget*>(o)) {
    if (column >= tree->columnCount()) return std::nullopt;
    return tree->headerItem()->text(column);
  }
  if (const auto* view = qobject_cast<const QAbstractItemView*>(o)) {
    if (!view->model() || column >= view->model()->columnCount()) return std::nullopt;
    return view->model()->headerData(column, Qt::Horizontal).toString();
  }
  return std::nullopt;
}

bool SetColumn(QObject* o, int column, const QString& text) {
  o = ColumnView(o);
  if (auto* tree = qobject_cast<QTreeWidget*>(o)) {
    if (column >= tree->columnCount()) return false;
    tree->headerItem()->setText(column, text);
    return true;
  }
  if (auto* view = qobject_cast<QAbstractItemView*>(o)) {
    if (!view->model() || column >= view->model()->columnCount()) return false;
    return view->model()->setHeaderData(column, Qt::Horizontal, text);
  }
  return false;
}

const platform::RegisteredTexts* TextsOf(const QObject* o, int index) {
  const auto* texts = dynamic_cast<const platform::RegisteredTexts*>(o);
  return texts && index >= 0 && index < texts->Count() ? texts : nullptr;
}

std::optional<std::string> Bytes(const std::optional<QString>& text) {
  if (!text) return std::nullopt;
  return platform::FromQt(*text);
}

}  // namespace

bool IsLanguageWindowName(const QString& name) {
  return name.startsWith(QLatin1String("Form")) || name.startsWith(QLatin1String("Frame"));
}

LanguageWindows::LanguageWindows() {
  for (QWidget* w : QApplication::allWidgets()) {
    const QString name = w->objectName();
    if (IsLanguageWindowName(name) && !windows_.contains(name)) windows_.insert(name, w);
  }
}

QWidget* LanguageWindows::Window(const std::string& name) const {
  return windows_.value(QString::fromStdString(name));
}

std::vector<QWidget*> LanguageWindows::All() const {
  std::vector<QWidget*> all;
  for (const QPointer<QWidget>& w : windows_)
    if (w) all.push_back(w);
  return all;
}

QObject* LanguageWindows::Member(const std::string& window, const std::string& member) const {
  const QWidget* w = Window(window);
  return w ? FindBelow(w, QString::fromStdString(member)) : nullptr;
}

bool LanguageWindows::Has(const LanguageTarget& t) const { return Read(t).has_value(); }

std::optional<std::string> LanguageWindows::Read(const LanguageTarget& t) const {
  switch (t.kind) {
    case TextTarget::WindowCaption:
    case TextTarget::WindowCaptionPlain: {
      const QWidget* w = Window(t.window);
      if (!w) return std::nullopt;
      return platform::FromQt(w->windowTitle());
    }
    case TextTarget::Caption: {
      const QObject* o = Member(t.window, t.member);
      return o ? Bytes(CaptionOf(o)) : std::nullopt;
    }
    case TextTarget::Hint: {
      const QObject* o = Member(t.window, t.member);
      return o ? Bytes(HintOf(o)) : std::nullopt;
    }
    case TextTarget::Column: {
      const QObject* o = Member(t.window, t.member);
      return o ? Bytes(ColumnOf(o, t.index)) : std::nullopt;
    }
    case TextTarget::Text:
    case TextTarget::TextBlankPrefix:
    case TextTarget::TextTrailingBlank:
    case TextTarget::TextWithTitle: {
      const platform::RegisteredTexts* texts = TextsOf(Member(t.window, t.member), t.index);
      if (!texts) return std::nullopt;
      return texts->Get(t.index);
    }
  }
  return std::nullopt;
}

bool LanguageWindows::Write(const LanguageTarget& t, std::string_view value) const {
  const std::string line(value);
  switch (t.kind) {
    case TextTarget::WindowCaption:
    case TextTarget::WindowCaptionPlain: {
      QWidget* w = Window(t.window);
      if (!w) return false;
      w->setWindowTitle(platform::ToQt(t.kind == TextTarget::WindowCaption ? " " + line : line));
      return true;
    }
    case TextTarget::Caption: {
      QObject* o = Member(t.window, t.member);
      return o && SetCaption(o, platform::ToQt(line));
    }
    case TextTarget::Hint: {
      QObject* o = Member(t.window, t.member);
      return o && SetHint(o, platform::ToQt(line));
    }
    case TextTarget::Column: {
      QObject* o = Member(t.window, t.member);
      return o && SetColumn(o, t.index, platform::ToQt(line));
    }
    case TextTarget::Text:
    case TextTarget::TextBlankPrefix:
    case TextTarget::TextTrailingBlank:
    case TextTarget::TextWithTitle: {
      const platform::RegisteredTexts* texts = TextsOf(Member(t.window, t.member), t.index);
      if (!texts) return false;
      if (t.kind == TextTarget::TextWithTitle) {
        // A title that shows the old text follows the language; the name of
        // an opened data set stays.
        QObject* title = Member(t.window, t.follow);
        const std::optional<QString> shown = title ? CaptionOf(title) : std::nullopt;
        if (shown && platform::FromQt(*shown) == texts->Get(t.index)) SetCaption(title, platform::ToQt(line));
      }
      texts->Set(t.index, t.kind == TextTarget::TextBlankPrefix     ? " " + line
                          : t.kind == TextTarget::TextTrailingBlank ? line + " "
                                                                    : line);
      return true;
    }
  }
  return false;
}

}  // namespace app
