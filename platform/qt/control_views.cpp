#include "platform/qt/control_views.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>

#include "platform/qt/drawn_widgets.h"
#include "platform/qt/fonts.h"
#include "platform/qt/form_window.h"
#include "platform/qt/key_map.h"
#include "platform/qt/painting.h"
#include "platform/qt/text_layout.h"
#include "platform/ui/ui.h"

namespace vorn::qt {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

Qt::Alignment ToQAlignment(ui::Alignment a)
{
  switch (a) {
    case ui::Alignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case ui::Alignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case ui::Alignment::Left: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

void SetColors(QWidget* w, QPalette::ColorRole back, ui::Color backColor, QPalette::ColorRole fore, ui::Color foreColor)
{
  QPalette p = w->palette();
  p.setColor(back, ToQColor(backColor));
  // The text colour only for the enabled groups: the disabled group keeps the
  // style's grey, so a disabled button or label looks disabled.
  p.setColor(QPalette::Active, fore, ToQColor(foreColor));
  p.setColor(QPalette::Inactive, fore, ToQColor(foreColor));
  w->setPalette(p);
}

// The row a user's click or arrow key selected, or -1. Only a selection
// counts as the user's choice: Qt also moves the current row by itself (a list
// that gets the focus with no current row makes its first row current,
// unselected), and that is nobody's choice.
int SelectedRow(const QListWidget* list)
{
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.front());
}

// Selects the whole text, so that typing replaces it, with the cursor at its
// start: a long text shows from its start, as one set by the program does.
void SelectAll(QLineEdit* edit)
{
  const auto length = static_cast<int>(edit->text().size());
  edit->setSelection(length, -length);
}

// ---------------------------------------------------------------- kinds

class LabelView final : public ControlView {
public:
  LabelView(FormWindow& w, ui::Label& label, QWidget* parent) : ControlView(w, label, new QLabel(parent))
  {
    widget()->setWordWrap(true);
  }
  bool Graphical() const override { return true; }
  void Apply(ui::Prop what) override
  {
    auto& label = static_cast<ui::Label&>(*control_);
    switch (what) {
      case ui::Prop::Caption: ShowCaption(); break;
      case ui::Prop::Geometry:
      case ui::Prop::Font:
        ControlView::Apply(what);
        ShowCaption();
        break;
      case ui::Prop::Style:
        widget()->setAlignment(ToQAlignment(label.Alignment()) | Qt::AlignTop);
        widget()->setFrameStyle(label.BorderStyle() == ui::BorderStyle::FixedSingle ? QFrame::Box | QFrame::Plain
                                                                                    : QFrame::NoFrame);
        widget()->setAutoFillBackground(label.BackStyle() == ui::BackStyle::Opaque);
        break;
      case ui::Prop::ForeColor:
      case ui::Prop::BackColor: SetColors(widget(), QPalette::Window, label.BackColor(), QPalette::WindowText, label.ForeColor()); break;
      default: ControlView::Apply(what);
    }
  }
  bool Mouse(QMouseEvent* e) override
  {
    // The old runtime's order for a double click: Click, DblClick, no second Click.
    if (e->type() == QEvent::MouseButtonDblClick) {
      afterDouble_ = true;
      window_.User(*this, [this] { control_->UserDblClick(); });
      return true;
    }
    if (e->type() == QEvent::MouseButtonRelease && e->button() == Qt::LeftButton) {
      if (afterDouble_) {
        afterDouble_ = false;
      } else if (widget_->rect().contains(e->position().toPoint())) {
        window_.User(*this, [this] { control_->UserClick(); });
      }
      return true;
    }
    return false;
  }

private:
  QLabel* widget() const { return static_cast<QLabel*>(widget_); }
  // A caption wider than the label is broken into even lines (Qt's own wrap
  // would leave a last character alone); its name stays the caption.
  void ShowCaption()
  {
    const QString caption = Q(static_cast<ui::Label&>(*control_).Caption());
    // A pixel spare: the label lays out its lines on whole pixels.
    const double width = widget()->contentsRect().width() - 1.0;
    const QString shown = width > 0.0 ? EvenText(caption, QFontMetricsF(widget()->font()), width) : caption;
    widget()->setText(shown);
    widget()->setAccessibleName(shown == caption ? QString() : caption);
  }
  bool afterDouble_ = false;
};

class TextBoxView final : public ControlView {
public:
  TextBoxView(FormWindow& w, ui::TextBox& box, QWidget* parent) : ControlView(w, box, new QLineEdit(parent))
  {
    QObject::connect(edit(), &QLineEdit::textEdited, edit(), [this](const QString& text) {
      window_.User(*this, [this, &text] { static_cast<ui::TextBox*>(control_)->UserType(text.toStdString()); });
    });
  }
  void Apply(ui::Prop what) override
  {
    auto& box = static_cast<ui::TextBox&>(*control_);
    switch (what) {
      case ui::Prop::Text:
        if (edit()->text() != Q(box.Text())) {
          // A box whose whole text was selected for typing over stays so.
          const bool wholeSelected = edit()->hasFocus() && edit()->selectedText() == edit()->text();
          edit()->setText(Q(box.Text()));
          if (wholeSelected) {
            SelectAll(edit());
          } else {
            // A text set by the program shows from its start, as on the old
            // desktop (Qt would show its end, with the cursor there).
            edit()->setCursorPosition(0);
          }
        }
        break;
      case ui::Prop::Style:
        edit()->setReadOnly(box.Locked());
        edit()->setAlignment(ToQAlignment(box.Alignment()));
        break;
      case ui::Prop::ForeColor:
      case ui::Prop::BackColor: SetColors(edit(), QPalette::Base, box.BackColor(), QPalette::Text, box.ForeColor()); break;
      default: ControlView::Apply(what);
    }
  }

  void FocusArrived() override { SelectAll(edit()); }

private:
  QLineEdit* edit() const { return static_cast<QLineEdit*>(widget_); }
};

class CommandButtonView final : public ControlView {
public:
  CommandButtonView(FormWindow& w, ui::CommandButton& button, QWidget* parent)
      : ControlView(w, button, new QPushButton(parent))
  {
    auto* b = static_cast<QPushButton*>(widget_);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, b, [this] { window_.User(*this, [this] { control_->UserClick(); }); });
  }
  void Apply(ui::Prop what) override
  {
    auto& button = static_cast<ui::CommandButton&>(*control_);
    auto* b = static_cast<QPushButton*>(widget_);
    switch (what) {
      case ui::Prop::Caption: ShowCaption(); break;
      case ui::Prop::Geometry:
      case ui::Prop::Font:
        ControlView::Apply(what);
        ShowCaption();
        break;
      case ui::Prop::ForeColor:
      case ui::Prop::BackColor: SetColors(b, QPalette::Button, button.BackColor(), QPalette::ButtonText, button.ForeColor()); break;
      default: ControlView::Apply(what);
    }
  }

private:
  // A push button does not wrap its caption: the lines the old desktop
  // showed it on are laid out here; its name stays the caption.
  void ShowCaption()
  {
    auto* b = static_cast<QPushButton*>(widget_);
    const QString caption = Q(static_cast<ui::CommandButton&>(*control_).Caption());
    const QStyle* style = b->style();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
    const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
    const QString shown = ButtonCaptionText(caption, QFontMetricsF(b->font()), b->width() - 2 * (margin / 2 + frame),
                                            b->height() - 2 * frame);
    b->setText(shown);
    b->setAccessibleName(shown == caption ? QString() : caption);
  }

protected:
  // Enter presses the button that has the focus, as on the old desktop.
  bool KeyAfterModel(int keyCode) override
  {
    if (keyCode != ui::vbKeyReturn) return false;
    window_.User(*this, [this] { control_->UserClick(); });
    return true;
  }
};

// An option button whose checked state only the model sets: a click (mouse,
// space, an arrow key within the group, an assistive tool's press) is
// reported to the model, which selects and runs the option's routine. Its
// group is its parent widget, as the model's is its container.
class OptionRadio final : public QRadioButton {
public:
  explicit OptionRadio(QWidget* parent);

protected:
  void nextCheckState() override {}
};

// What assistive tools see of an option button: a radio button whose press
// or toggle is a click, also on the selected one (Qt's own would only toggle
// the checked state, which the model never hears of).
class OptionRadioAccessible final : public QAccessibleWidget {
public:
  explicit OptionRadioAccessible(OptionRadio* radio) : QAccessibleWidget(radio, QAccessible::RadioButton) {}

  QString text(QAccessible::Text t) const override
  {
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty()) return QAccessibleWidget::text(t);
    QString caption = Radio()->text();
    caption.replace(QLatin1String("&&"), QString(QChar(1)));  // "&&" shows one "&"; a single "&" marks a key
    caption.remove(QLatin1Char('&'));
    return caption.replace(QChar(1), QLatin1Char('&'));
  }
  QAccessible::State state() const override
  {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = Radio()->isChecked();
    return s;
  }
  QStringList actionNames() const override
  {
    QStringList names;
    if (widget()->isEnabled()) names << toggleAction() << pressAction();
    return names + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override
  {
    if (action == toggleAction() || action == pressAction()) {
      if (widget()->isEnabled()) Radio()->click();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

private:
  QRadioButton* Radio() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* OptionRadioFactory(const QString&, QObject* object)
{
  auto* radio = dynamic_cast<OptionRadio*>(object);
  return radio != nullptr ? new OptionRadioAccessible(radio) : nullptr;
}

OptionRadio::OptionRadio(QWidget* parent) : QRadioButton(parent)
{
  static const bool installed = [] {
    QAccessible::installFactory(OptionRadioFactory);
    return true;
  }();
  (void)installed;
}

class OptionButtonView final : public ControlView {
public:
  OptionButtonView(FormWindow& w, ui::OptionButton& option, QWidget* parent)
      : ControlView(w, option, new OptionRadio(parent))
  {
    auto* r = static_cast<QRadioButton*>(widget_);
    QObject::connect(r, &QRadioButton::clicked, r, [this] { Selected(); });
  }
  void Apply(ui::Prop what) override
  {
    auto& option = static_cast<ui::OptionButton&>(*control_);
    auto* r = static_cast<QRadioButton*>(widget_);
    switch (what) {
      case ui::Prop::Caption: r->setText(Q(option.Caption())); break;
      case ui::Prop::Value: {
        const QSignalBlocker block(r);
        if (!option.Value() && r->isChecked()) {
          // The model may leave its group with none selected; Qt would keep
          // the checked button of a group checked.
          r->setAutoExclusive(false);
          r->setChecked(false);
          r->setAutoExclusive(true);
        } else {
          r->setChecked(option.Value());
        }
        break;
      }
      case ui::Prop::ForeColor:
      case ui::Prop::BackColor: SetColors(r, QPalette::Window, option.BackColor(), QPalette::WindowText, option.ForeColor()); break;
      default: ControlView::Apply(what);
    }
  }

private:
  void Selected()
  {
    window_.User(*this, [this] { control_->UserClick(); });
    if (control_ != nullptr) Apply(ui::Prop::Value);  // what the model made of it
  }
};

class CheckBoxView final : public ControlView {
public:
  CheckBoxView(FormWindow& w, ui::CheckBox& check, QWidget* parent) : ControlView(w, check, new QCheckBox(parent))
  {
    auto* c = static_cast<QCheckBox*>(widget_);
    c->setTristate(false);
    QObject::connect(c, &QCheckBox::clicked, c, [this] {
      window_.User(*this, [this] { control_->UserClick(); });
      if (control_ != nullptr) Apply(ui::Prop::Value);
    });
  }
  void Apply(ui::Prop what) override
  {
    auto& check = static_cast<ui::CheckBox&>(*control_);
    auto* c = static_cast<QCheckBox*>(widget_);
    switch (what) {
      case ui::Prop::Caption: c->setText(Q(check.Caption())); break;
      case ui::Prop::Value: {
        const QSignalBlocker block(c);
        c->setCheckState(check.Value() == ui::vbChecked   ? Qt::Checked
                         : check.Value() == ui::vbGrayed ? Qt::PartiallyChecked
                                                         : Qt::Unchecked);
        break;
      }
      case ui::Prop::ForeColor:
      case ui::Prop::BackColor: SetColors(c, QPalette::Window, check.BackColor(), QPalette::WindowText, check.ForeColor()); break;
      default: ControlView::Apply(what);
    }
  }
};

class ComboBoxView final : public ControlView {
public:
  ComboBoxView(FormWindow& w, ui::ComboBox& combo, QWidget* parent) : ControlView(w, combo, new QComboBox(parent))
  {
    QComboBox* c = box();
    c->setEditable(combo.Style() == ui::ComboStyle::DropdownCombo);
    c->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(c, &QComboBox::activated, c, [this](int index) {
      window_.User(*this, [this, index] { static_cast<ui::ComboBox*>(control_)->UserChoose(index); });
    });
    if (QLineEdit* line = c->lineEdit()) {
      QObject::connect(line, &QLineEdit::textEdited, c, [this](const QString& text) {
        window_.User(*this, [this, &text] { static_cast<ui::ComboBox*>(control_)->UserType(text.toStdString()); });
      });
    }
  }
  std::vector<QWidget*> InputWidgets() const override
  {
    std::vector<QWidget*> widgets{widget_};
    if (QLineEdit* line = box()->lineEdit()) widgets.push_back(line);
    return widgets;
  }
  void Apply(ui::Prop what) override
  {
    auto& combo = static_cast<ui::ComboBox&>(*control_);
    QComboBox* c = box();
    const QSignalBlocker block(c);
    switch (what) {
      case ui::Prop::List:
        c->clear();
        for (const std::string& item : combo.Items()) c->addItem(Q(item));
        [[fallthrough]];
      case ui::Prop::ListIndex:
      case ui::Prop::Text:
        c->setCurrentIndex(combo.ListIndex());
        if (c->isEditable() && c->currentText() != Q(combo.Text())) c->setEditText(Q(combo.Text()));
        break;
      case ui::Prop::ForeColor:
      case ui::Prop::BackColor: SetColors(c, QPalette::Base, combo.BackColor(), QPalette::Text, combo.ForeColor()); break;
      default: ControlView::Apply(what);
    }
  }

  void FocusArrived() override
  {
    if (QLineEdit* line = box()->lineEdit()) SelectAll(line);
  }

private:
  QComboBox* box() const { return static_cast<QComboBox*>(widget_); }
};

// List boxes and file list boxes: a list of items, one selected.
class ItemListView final : public ControlView {
public:
  ItemListView(FormWindow& w, ui::ItemListControl& list, QWidget* parent) : ControlView(w, list, new QListWidget(parent))
  {
    QListWidget* l = view();
    QObject::connect(l, &QListWidget::itemSelectionChanged, l, [this] {
      auto* model = static_cast<ui::ItemListControl*>(control_);
      const int row = SelectedRow(view());
      if (model != nullptr && row >= 0 && row != model->ListIndex())
        window_.User(*this, [model, row] { model->UserChoose(row); });
    });
    QObject::connect(l, &QListWidget::itemDoubleClicked, l, [this] { window_.User(*this, [this] { control_->UserDblClick(); }); });
  }
  void Apply(ui::Prop what) override
  {
    auto& list = static_cast<ui::ItemListControl&>(*control_);
    QListWidget* l = view();
    const QSignalBlocker block(l);
    switch (what) {
      case ui::Prop::List:
        l->clear();
        for (const std::string& item : list.Items()) l->addItem(Q(item));
        [[fallthrough]];
      case ui::Prop::ListIndex:
        l->setCurrentRow(list.ListIndex());
        if (list.ListIndex() < 0) l->clearSelection();
        break;
      case ui::Prop::ForeColor:
      case ui::Prop::BackColor: SetColors(l, QPalette::Base, list.BackColor(), QPalette::Text, list.ForeColor()); break;
      default: ControlView::Apply(what);
    }
  }

private:
  QListWidget* view() const { return static_cast<QListWidget*>(widget_); }
};

class DirListView final : public ControlView {
public:
  DirListView(FormWindow& w, ui::DirListBox& dirs, QWidget* parent) : ControlView(w, dirs, new QListWidget(parent))
  {
    QListWidget* l = view();
    QObject::connect(l, &QListWidget::itemSelectionChanged, l, [this] {
      auto* model = static_cast<ui::DirListBox*>(control_);
      const int row = SelectedRow(view());
      if (model != nullptr && row >= 0 && row != model->ListIndex())
        window_.User(*this, [model, row] { model->UserChoose(row); });
    });
    QObject::connect(l, &QListWidget::itemDoubleClicked, l, [this](QListWidgetItem* item) {
      const int row = view()->row(item);
      window_.User(*this, [this, row] { static_cast<ui::DirListBox*>(control_)->UserOpen(row); });
    });
  }
  void Apply(ui::Prop what) override
  {
    auto& dirs = static_cast<ui::DirListBox&>(*control_);
    QListWidget* l = view();
    const QSignalBlocker block(l);
    switch (what) {
      case ui::Prop::List:
        l->clear();
        for (const ui::FolderRow& row : dirs.Rows())
          l->addItem(QString(row.depth * 2, QLatin1Char(' ')) + (row.open ? QStringLiteral("▾ ") : QStringLiteral("▸ ")) +
                     Q(row.label));
        [[fallthrough]];
      case ui::Prop::ListIndex: l->setCurrentRow(dirs.ListIndex()); break;
      case ui::Prop::ForeColor:
      case ui::Prop::BackColor: SetColors(l, QPalette::Base, dirs.BackColor(), QPalette::Text, dirs.ForeColor()); break;
      default: ControlView::Apply(what);
    }
  }

private:
  QListWidget* view() const { return static_cast<QListWidget*>(widget_); }
};

class DriveListView final : public ControlView {
public:
  DriveListView(FormWindow& w, ui::DriveListBox& drives, QWidget* parent) : ControlView(w, drives, new QComboBox(parent))
  {
    auto* c = static_cast<QComboBox*>(widget_);
    QObject::connect(c, &QComboBox::activated, c, [this](int index) {
      window_.User(*this, [this, index] { static_cast<ui::DriveListBox*>(control_)->UserChoose(index); });
    });
  }
  void Apply(ui::Prop what) override
  {
    auto& drives = static_cast<ui::DriveListBox&>(*control_);
    auto* c = static_cast<QComboBox*>(widget_);
    const QSignalBlocker block(c);
    switch (what) {
      case ui::Prop::List:
        c->clear();
        for (int i = 0; i < drives.ListCount(); ++i) c->addItem(Q(drives.List(i)));
        [[fallthrough]];
      case ui::Prop::ListIndex: c->setCurrentIndex(drives.ListIndex()); break;
      default: ControlView::Apply(what);
    }
  }
};

class FrameView final : public ControlView {
public:
  FrameView(FormWindow& w, ui::Frame& frame, QWidget* parent) : ControlView(w, frame, new QGroupBox(parent)) {}
  void Apply(ui::Prop what) override
  {
    auto& frame = static_cast<ui::Frame&>(*control_);
    auto* g = static_cast<QGroupBox*>(widget_);
    switch (what) {
      case ui::Prop::Caption: g->setTitle(Q(frame.Caption())); break;
      case ui::Prop::ForeColor:
      case ui::Prop::BackColor: SetColors(g, QPalette::Window, frame.BackColor(), QPalette::WindowText, frame.ForeColor()); break;
      case ui::Prop::Font:
        ControlView::Apply(what);
        window_.ApplyFontsInside(frame);  // the controls inside take the frame's font
        break;
      default: ControlView::Apply(what);
    }
  }
};

class PictureBoxView final : public ControlView {
public:
  PictureBoxView(FormWindow& w, ui::PictureBox& picture, QWidget* parent)
      : ControlView(w, picture, new PictureWidget(picture, parent))
  {
  }
  void Apply(ui::Prop what) override
  {
    auto& picture = static_cast<ui::PictureBox&>(*control_);
    switch (what) {
      case ui::Prop::Drawing: widget_->update(); break;
      case ui::Prop::Style:
        static_cast<PictureWidget*>(widget_)->ApplyBorder();
        window_.PlaceInside(picture);
        widget_->update();
        break;
      case ui::Prop::Geometry:
        ControlView::Apply(what);
        window_.PlaceInside(picture);
        break;
      case ui::Prop::Scale: window_.PlaceInside(picture); break;
      case ui::Prop::ForeColor:
      case ui::Prop::BackColor:
        SetColors(widget_, QPalette::Window, picture.BackColor(), QPalette::WindowText, picture.ForeColor());
        widget_->update();
        break;
      case ui::Prop::Font: break;  // the drawing's font; each text item keeps its own
      default: ControlView::Apply(what);
    }
  }
  void Forget() override
  {
    static_cast<PictureWidget*>(widget_)->Forget();
    ControlView::Forget();
  }
  bool Mouse(QMouseEvent* e) override
  {
    auto& picture = static_cast<ui::PictureBox&>(*control_);
    const ui::Point at = window_.PicturePoint(picture, e->position());
    const int buttons = VbButtons(e->type() == QEvent::MouseButtonRelease ? e->buttons() | e->button() : e->buttons());
    const int shift = VbShift(e->modifiers());
    switch (e->type()) {
      case QEvent::MouseMove:
        window_.User(*this, [&] { picture.UserMouseMove(buttons, shift, at.x, at.y); });
        return true;
      case QEvent::MouseButtonPress:
        window_.User(*this, [&] { picture.UserMouseDown(VbButtons(e->button()), shift, at.x, at.y); });
        return true;
      case QEvent::MouseButtonRelease:
        window_.User(*this, [&] { picture.UserMouseUp(VbButtons(e->button()), shift, at.x, at.y); });
        if (afterDouble_) {
          afterDouble_ = false;
        } else if (e->button() == Qt::LeftButton && widget_->rect().contains(e->position().toPoint())) {
          window_.User(*this, [&] { picture.UserClick(); });
        }
        return true;
      case QEvent::MouseButtonDblClick:
        afterDouble_ = true;
        window_.User(*this, [&] { picture.UserDblClick(); });
        return true;
      default: return false;
    }
  }

private:
  bool afterDouble_ = false;
};

class LineView final : public ControlView {
public:
  LineView(FormWindow& w, ui::LineControl& line, QWidget* parent) : ControlView(w, line, new LineWidget(parent)) {}
  bool Graphical() const override { return true; }
  void Apply(ui::Prop what) override
  {
    auto& line = static_cast<ui::LineControl&>(*control_);
    switch (what) {
      case ui::Prop::Geometry:
      case ui::Prop::Style: {
        const ui::LineEnds e = line.Ends();
        static_cast<LineWidget*>(widget_)->Set(window_.ContainerPoint(line.Parent(), {e.x1, e.y1}),
                                               window_.ContainerPoint(line.Parent(), {e.x2, e.y2}),
                                               ToQPen(ui::Pen{line.BorderColor(), line.BorderWidth(), line.BorderStyle()}));
        break;
      }
      case ui::Prop::Font:
      case ui::Prop::ForeColor:
      case ui::Prop::BackColor: break;
      default: ControlView::Apply(what);
    }
  }
};

class ShapeView final : public ControlView {
public:
  ShapeView(FormWindow& w, ui::Shape& shape, QWidget* parent) : ControlView(w, shape, new ShapeWidget(shape, parent)) {}
  bool Graphical() const override { return true; }
  void Apply(ui::Prop what) override
  {
    switch (what) {
      case ui::Prop::Style:
      case ui::Prop::BackColor: widget_->update(); break;
      case ui::Prop::Font:
      case ui::Prop::ForeColor: break;
      default: ControlView::Apply(what);
    }
  }
  void Forget() override
  {
    static_cast<ShapeWidget*>(widget_)->Forget();
    ControlView::Forget();
  }
};

}  // namespace

// ---------------------------------------------------------------- ControlView

ControlView::ControlView(FormWindow& window, ui::Control& control, QWidget* widget)
    : window_(window), control_(&control), widget_(widget)
{
  widget_->setObjectName(Q(control.Name()));
}

void ControlView::ApplyAll()
{
  for (const ui::Prop p : {ui::Prop::Geometry, ui::Prop::Font, ui::Prop::BackColor, ui::Prop::Caption, ui::Prop::Text,
                           ui::Prop::Style, ui::Prop::List, ui::Prop::ListIndex, ui::Prop::Value, ui::Prop::Enabled,
                           ui::Prop::Visible, ui::Prop::ToolTip, ui::Prop::TabOrder, ui::Prop::Drawing})
    Apply(p);
}

void ControlView::Apply(ui::Prop what)
{
  switch (what) {
    case ui::Prop::Geometry: ApplyGeometry(); break;
    case ui::Prop::Enabled: widget_->setEnabled(control_->Enabled()); break;
    case ui::Prop::Visible: widget_->setVisible(control_->Visible()); break;
    case ui::Prop::ToolTip: widget_->setToolTip(Q(control_->ToolTipText())); break;
    case ui::Prop::Font: ApplyFont(); break;
    case ui::Prop::ForeColor:
    case ui::Prop::BackColor: ApplyColors(); break;
    case ui::Prop::TabOrder:
      widget_->setFocusPolicy(!control_->TakesFocus() ? Qt::NoFocus
                              : control_->TabStop()   ? Qt::StrongFocus
                                                      : Qt::ClickFocus);
      window_.TabOrderChanged();
      break;
    default: break;
  }
}

void ControlView::Forget() { control_ = nullptr; }

void ControlView::ApplyGeometry() { widget_->setGeometry(window_.PlaceRect(*control_)); }

void ControlView::ApplyFont() { widget_->setFont(ScreenFont(control_->Font())); }

void ControlView::ApplyColors()
{
  SetColors(widget_, QPalette::Window, control_->BackColor(), QPalette::WindowText, control_->ForeColor());
}

bool ControlView::Key(QKeyEvent* event)
{
  const int code = VbKeyCode(event->key(), event->modifiers());
  if (code == 0 || code == ui::vbKeyTab || control_ == nullptr || !control_->Usable()) return false;
  ui::Control* control = control_;
  window_.User(*this, [&] { control->UserKeyDown(code, VbShift(event->modifiers())); });
  // A routine that moved the focus on (an Enter chain) has used the key up.
  if (control_ == nullptr || !control_->HasFocus() || !control_->Usable()) return true;
  return KeyAfterModel(code);
}

std::unique_ptr<ControlView> MakeView(FormWindow& window, ui::Control& control, QWidget* parent)
{
  switch (control.Kind()) {
    case ui::Kind::Label: return std::make_unique<LabelView>(window, static_cast<ui::Label&>(control), parent);
    case ui::Kind::TextBox: return std::make_unique<TextBoxView>(window, static_cast<ui::TextBox&>(control), parent);
    case ui::Kind::CommandButton:
      return std::make_unique<CommandButtonView>(window, static_cast<ui::CommandButton&>(control), parent);
    case ui::Kind::OptionButton:
      return std::make_unique<OptionButtonView>(window, static_cast<ui::OptionButton&>(control), parent);
    case ui::Kind::CheckBox: return std::make_unique<CheckBoxView>(window, static_cast<ui::CheckBox&>(control), parent);
    case ui::Kind::ComboBox: return std::make_unique<ComboBoxView>(window, static_cast<ui::ComboBox&>(control), parent);
    case ui::Kind::ListBox:
    case ui::Kind::FileListBox:
      return std::make_unique<ItemListView>(window, static_cast<ui::ItemListControl&>(control), parent);
    case ui::Kind::DirListBox: return std::make_unique<DirListView>(window, static_cast<ui::DirListBox&>(control), parent);
    case ui::Kind::DriveListBox:
      return std::make_unique<DriveListView>(window, static_cast<ui::DriveListBox&>(control), parent);
    case ui::Kind::Frame: return std::make_unique<FrameView>(window, static_cast<ui::Frame&>(control), parent);
    case ui::Kind::PictureBox:
      return std::make_unique<PictureBoxView>(window, static_cast<ui::PictureBox&>(control), parent);
    case ui::Kind::Line: return std::make_unique<LineView>(window, static_cast<ui::LineControl&>(control), parent);
    case ui::Kind::Shape: return std::make_unique<ShapeView>(window, static_cast<ui::Shape&>(control), parent);
  }
  return nullptr;
}

}  // namespace vorn::qt
