#include "shell/qt/qt_backend.h"
#include "shell/shell.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QThread>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

const char controlIdProperty[] = "controlId";

// Font units of the Times New Roman cell and em, see emPixelsForCellHeight.
constexpr double cellUnits = 1825 + 443;
constexpr double emUnits = 2048;

// The grey that Win32 paints behind static texts and radio buttons.
const QColor controlFace(0xF0, 0xF0, 0xF0);

// QLineEdit keeps this many pixels free on either side of its text.
constexpr int lineEditSideMargin = 2;

// A radio button whose check mark changes only when the window sets it: a click reports
// the command and leaves the mark alone.
class PlainRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {}
};

// The width in pixels that a line edit shows text in, without scrolling.
double visibleTextWidth(const QLineEdit& box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.rect();
    option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents =
        box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box).marginsRemoved(box.textMargins());
    return contents.width() - 2 * lineEditSideMargin;
}

// Accepts a text only when all of it, and the cursor after it, stays in view: the value
// box takes only as much as it can show, like an edit control that does not scroll.
class FitsWidthValidator : public QValidator {
public:
    explicit FitsWidthValidator(QLineEdit* box) : QValidator(box), box_(box) {}

    State validate(QString& text, int&) const override
    {
        return QFontMetricsF(box_->font()).horizontalAdvance(text) < visibleTextWidth(*box_) ? Acceptable : Invalid;
    }

private:
    QLineEdit* box_;
};

void paintBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A bordered text, each line centred and wrapped at the width of the box.
QWidget* makeStaticText(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setIndent(0);
    paintBackground(label, controlFace);
    return label;
}

QWidget* makeRadioButton(const QString& text, int id)
{
    auto* radio = new PlainRadioButton(text);
    radio->setAutoExclusive(false);
    paintBackground(radio, controlFace);
    QObject::connect(radio, &QAbstractButton::clicked, [id] { onCommand(id); });
    return radio;
}

// A single-line box with a thin border that takes any character.
QWidget* makeEditBox(const QString& text, int id)
{
    auto* box = new QLineEdit(text);
    box->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid black; background: white; padding: 0px; }"));
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setValidator(new FitsWidthValidator(box));
    QObject::connect(box, &QLineEdit::textEdited, [id] { onCommand(id); });
    return box;
}

QWidget* makePushButton(const QString& text, int id)
{
    auto* button = new QPushButton(text);
    button->setDefault(true);
    QObject::connect(button, &QAbstractButton::clicked, [id] { onCommand(id); });
    return button;
}

QWidget* makeControl(const ControlSpec& look)
{
    const QString text = QString::fromLocal8Bit(look.text);
    switch (look.kind) {
    case ControlKind::StaticText:
        return makeStaticText(text);
    case ControlKind::RadioButton:
        return makeRadioButton(text, look.id);
    case ControlKind::EditBox:
        return makeEditBox(text, look.id);
    case ControlKind::PushButton:
        return makePushButton(text, look.id);
    }
    return nullptr;
}

QString textOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

void applyText(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* box = qobject_cast<QLineEdit*>(control))
        box->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
}

QAbstractButton* findButton(WindowHandle mainWindow, int controlId)
{
    return qobject_cast<QAbstractButton*>(findControl(static_cast<QWidget*>(mainWindow), controlId));
}

}  // namespace

int emPixelsForCellHeight(int cellHeight)
{
    return static_cast<int>(std::lround(cellHeight * emUnits / cellUnits));
}

QWidget* findControl(QWidget* mainWindow, int controlId)
{
    QWidget* client = qobject_cast<QMainWindow*>(mainWindow)->centralWidget();
    const auto children = client->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->property(controlIdProperty).toInt() == controlId)
            return child;
    }
    return nullptr;
}

WindowHandle createControl(WindowHandle mainWindow, const ControlSpec& look)
{
    QWidget* control = makeControl(look);
    if (control == nullptr)
        return nullptr;
    control->setProperty(controlIdProperty, look.id);
    // No control takes the focus by itself, and Tab does not move between them.
    control->setFocusPolicy(Qt::ClickFocus);
    control->setParent(qobject_cast<QMainWindow*>(static_cast<QWidget*>(mainWindow))->centralWidget());
    control->setGeometry(look.x, look.y, look.width, look.height);
    control->show();
    return control;
}

void destroyControl(WindowHandle control)
{
    delete static_cast<QWidget*>(control);
}

FontHandle createFont(const FontSpec& look)
{
    auto* font = new QFont(QStringLiteral("Times New Roman"));
    font->setPixelSize(emPixelsForCellHeight(look.height));
    if (look.weight != 0)
        font->setWeight(static_cast<QFont::Weight>(look.weight));
    font->setItalic(look.italic);
    return font;
}

void setControlFont(WindowHandle control, FontHandle font)
{
    if (control != nullptr && font != nullptr)
        static_cast<QWidget*>(control)->setFont(*static_cast<QFont*>(font));
}

// Controls keep copies of their fonts, so a font may go while they stay.
void destroyFont(FontHandle font)
{
    delete static_cast<QFont*>(font);
}

void setControlText(WindowHandle control, const char* text)
{
    auto* widget = static_cast<QWidget*>(control);
    if (widget == nullptr)
        return;
    const QString newText = QString::fromLocal8Bit(text);
    if (QThread::currentThread() == widget->thread()) {
        applyText(widget, newText);
        return;
    }
    // Carried out by the window thread when it next takes events, also in the event loop
    // of a modal box; this thread waits until it has been.
    QMetaObject::invokeMethod(
        widget, [widget, newText] { applyText(widget, newText); }, Qt::BlockingQueuedConnection);
}

void readControlText(WindowHandle control, char* buffer, int capacity)
{
    if (capacity <= 0)
        return;
    const QByteArray text = textOf(static_cast<QWidget*>(control)).toLocal8Bit();
    const auto length = std::min<qsizetype>(text.size(), capacity - 1);
    std::memcpy(buffer, text.constData(), static_cast<std::size_t>(length));
    buffer[length] = '\0';
}

void setRadioChecked(WindowHandle mainWindow, int controlId, bool checked)
{
    if (QAbstractButton* radio = findButton(mainWindow, controlId))
        radio->setChecked(checked);
}

bool isRadioChecked(WindowHandle mainWindow, int controlId)
{
    const QAbstractButton* radio = findButton(mainWindow, controlId);
    return radio != nullptr && radio->isChecked();
}
