#include "editor/tabs/tab_order.h"

#include <algorithm>

#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

namespace orv::editor {
namespace {

class Reader {
public:
    QList<QWidget*> stops;
    // Tab widgets and scroll areas, whose pages are ordered on their own.
    QList<QWidget*> innerPages;

    void widget(QWidget* w)
    {
        if (!w)
            return;
        if (w->focusPolicy() != Qt::NoFocus)
            stops.append(w);
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                innerPages.append(tabs->widget(i));
            return;
        }
        if (auto* scroll = qobject_cast<QScrollArea*>(w)) {
            if (scroll->widget())
                innerPages.append(scroll->widget());
            return;
        }
        // Widgets made of others (file rows, font fields, a check box group) are read
        // through their layouts; spin boxes, combo boxes and views have none and keep their
        // parts to themselves.
        layout(w->layout());
    }

    void item(QLayoutItem* i)
    {
        if (!i)
            return;
        if (i->widget())
            widget(i->widget());
        else if (i->layout())
            layout(i->layout());
    }

    void layout(QLayout* l)
    {
        if (!l)
            return;
        if (auto* form = qobject_cast<QFormLayout*>(l)) {
            for (int row = 0; row < form->rowCount(); ++row)
                for (auto role : {QFormLayout::LabelRole, QFormLayout::FieldRole, QFormLayout::SpanningRole})
                    item(form->itemAt(row, role));
            return;
        }
        if (auto* grid = qobject_cast<QGridLayout*>(l)) {
            gridLayout(grid);
            return;
        }
        auto* box = qobject_cast<QBoxLayout*>(l);
        const bool reversed = box && (box->direction() == QBoxLayout::RightToLeft ||
                                      box->direction() == QBoxLayout::BottomToTop);
        const int count = l->count();
        for (int k = 0; k < count; ++k)
            item(l->itemAt(reversed ? count - 1 - k : k));
    }

    void gridLayout(QGridLayout* grid)
    {
        struct Cell {
            int row, column;
            QLayoutItem* item;
        };
        QList<Cell> cells;
        bool across = false;
        for (int k = 0; k < grid->count(); ++k) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(k, &row, &column, &rowSpan, &columnSpan);
            QLayoutItem* i = grid->itemAt(k);
            cells.append({row, column, i});
            across = across || readAcross(i->widget());
        }
        // Labelled fields and push buttons read across (a field, then its "..." button);
        // check boxes, option buttons and boxes side by side are columns.
        std::stable_sort(cells.begin(), cells.end(), [across](const Cell& a, const Cell& b) {
            return across ? std::pair(a.row, a.column) < std::pair(b.row, b.column)
                          : std::pair(a.column, a.row) < std::pair(b.column, b.row);
        });
        for (const Cell& c : cells)
            item(c.item);
    }

    static bool readAcross(QWidget* w)
    {
        if (qobject_cast<QPushButton*>(w))
            return true;
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->buddy() != nullptr;
        return qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
               qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
    }
};

}  // namespace

QList<QWidget*> TabStopsByColumn(QWidget* page)
{
    Reader reader;
    if (page)
        reader.layout(page->layout());
    return reader.stops;
}

void OrderTabStopsByColumn(QWidget* page)
{
    if (!page)
        return;
    Reader reader;
    reader.layout(page->layout());
    for (qsizetype k = 1; k < reader.stops.size(); ++k)
        QWidget::setTabOrder(reader.stops[k - 1], reader.stops[k]);
    for (QWidget* inner : reader.innerPages)
        OrderTabStopsByColumn(inner);
}

}  // namespace orv::editor
