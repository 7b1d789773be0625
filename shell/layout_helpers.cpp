#include "shell/layout_helpers.h"

#include "shell/picture.h"

#include <QIcon>
#include <QLabel>
#include <QPalette>

namespace kv {

void place(QWidget* control, const DialogUnits& du, int x, int y, int width, int height)
{
    const QSize natural = control->sizeHint();
    const int w = width < 0 ? natural.width() : du.xToPixels(width);
    const int h = height < 0 ? natural.height() : du.yToPixels(height);
    control->setGeometry(du.xToPixels(x), du.yToPixels(y), w, h);
}

QPushButton* flatButton(QWidget* parent, const QString& text, const QString& icon, bool bold)
{
    auto* button = new QPushButton(QIcon(QStringLiteral(":/icons/") + icon), text, parent);
    button->setFlat(true);
    button->setAutoDefault(false);
    QFont f = button->font();
    f.setBold(bold);
    button->setFont(f);
    return button;
}

QLabel* transparentLabel(QWidget* parent, const QString& text, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

QLabel* displayText(QWidget* parent, const QString& face, double points, const QColor& colour)
{
    QLabel* label = transparentLabel(parent, QString(), true);
    label->setFont(kvFont(face, points, true));
    setTextColour(label, colour);
    return label;
}

void showField(
    QLabel* label, const DialogUnits& du, const Record& record, int field, QStringView picture, int x, int y)
{
    label->setText(formatField(record, field, Picture::parse(picture)));
    place(label, du, x, y);
}

void setTextColour(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    w->setPalette(p);
}

void setBackground(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setEditColours(QWidget* w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Highlight, Qt::black);
    w->setPalette(p);
}

void setEntryColours(QWidget* w)
{
    setEditColours(w);
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

} // namespace kv
