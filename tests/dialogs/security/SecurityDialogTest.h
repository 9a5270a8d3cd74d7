#pragma once
// What the port and address security dialogs' tests share: a twelve-unit stack whose unit 7 is absent, and a
// click on an empty part of a list.
#include "DedicatedDialogFixture.h"
#include "StackStateScope.h"

#include "ListView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>

#include <string>
#include <vector>

namespace sectest {

// Units 1 to 12, QSW-2150 (48 ports) each, unit 7 absent: its model reads modelOfAbsent and its presence
// presenceOfAbsent.
inline std::vector<StackUnitRow> TwelveUnitsWithoutUnitSeven(const std::string& modelOfAbsent,
                                                             const std::string& presenceOfAbsent) {
    std::vector<StackUnitRow> units;
    for (int u = 1; u <= 12; ++u) {
        const bool absent = u == 7;
        units.push_back({std::to_string(u), std::to_string((u - 1) * 64 + 1), absent ? modelOfAbsent : "QSW-2150",
                         absent ? presenceOfAbsent : "exist"});
    }
    return units;
}

// The check box of port of unit on a stacked selector.
inline size_t PortBox(int unit, int port) { return static_cast<size_t>((unit - 1) * 64 + port - 1); }

// A left click below the last row of list, where no row is.
inline void ClickEmptyPartOf(ui::ListView& list) {
    list.FlushRows();
    auto* view = static_cast<QAbstractItemView*>(list.Widget());
    QWidget* viewport = view->viewport();
    const QPointF point(10, viewport->height() - 5);
    const QPointF global = viewport->mapToGlobal(point);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, point, point, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
}

}  // namespace sectest
