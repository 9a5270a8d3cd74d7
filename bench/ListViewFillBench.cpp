// Fills a report list view of 6 columns the way a table walk does: one row per event-loop pass,
// with a row counter updated from OnChange, on a shown form. Prints the time per fill.
//
//   bench_listview_fill [rows ...]      (default: 10000 50000; QT_QPA_PLATFORM defaults to offscreen)
#include "Application.h"
#include "Form.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Wall time and the process's CPU time, so a busy shared machine can be told from a slow fill.
struct Times {
    double wall = 0;
    double cpu = 0;
};

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

class Stopwatch {
public:
    Times Elapsed() const {
        return {std::chrono::duration<double>(Clock::now() - wall_).count(), CpuSeconds() - cpu_};
    }

private:
    Clock::time_point wall_ = Clock::now();
    double cpu_ = CpuSeconds();
};

struct Window {
    std::unique_ptr<ui::Form> form;
    ui::ListView* list = nullptr;
    ui::StaticText* counter = nullptr;
};

Window MakeWindow() {
    Window w;
    w.form = std::make_unique<ui::Form>(nullptr);
    w.form->SetClientWidth(700);
    w.form->SetClientHeight(450);
    // The row counter of a list-view dialog: a sunken, centred static text of fixed size.
    w.counter = new ui::StaticText(w.form.get());
    w.counter->SetAutoSize(false);
    w.counter->SetAlignment(ui::taCenter);
    w.counter->SetBorderStyle(ui::sbsSunken);
    w.counter->SetBounds(0, 0, 75, 17);
    w.counter->SetParent(w.form.get());
    w.counter->SetAlign(ui::alTop);
    w.list = new ui::ListView(w.form.get());
    w.list->SetParent(w.form.get());
    w.list->SetAlign(ui::alClient);
    for (const char* caption : {"Port", "MAC Address", "VLAN ID", "State", "Type", "Description"}) {
        ui::ListColumn* column = w.list->Columns().Add();
        column->SetCaption(caption);
        column->SetWidth(-2);
    }
    ui::ListView* list = w.list;
    ui::StaticText* counter = w.counter;
    w.list->OnChange = [list, counter](ui::Component*, ui::ListItem*, ui::ItemChange) {
        counter->SetCaption(std::to_string(list->Items().Count()));
    };
    w.form->Show();
    QCoreApplication::processEvents();
    return w;
}

void AddRow(ui::ListView& list, int i) {
    ui::ListItem* item = list.Items().Add();
    item->SetCaption(std::to_string(i % 52 + 1));
    char mac[24];
    std::snprintf(mac, sizeof mac, "00-1E-58-%02X-%02X-%02X", (i >> 16) & 0xFF, (i >> 8) & 0xFF, i & 0xFF);
    item->SubItems().Add(mac);
    item->SubItems().Add(std::to_string(i % 4094 + 1));
    item->SubItems().Add(i % 3 ? "enabled" : "disabled");
    item->SubItems().Add("dynamic");
    item->SubItems().Add("Port " + std::to_string(i % 52 + 1) + " uplink");
}

// One row per pass: each row is a posted event that posts the next, as walk answers arrive.
// Without a list view only the passes themselves are timed.
Times FillOneRowPerPass(int rows, bool withList = true) {
    Window w = MakeWindow();
    int added = 0;
    const Stopwatch watch;
    std::function<void()> next = [&] {
        if (withList) AddRow(*w.list, added);
        if (++added < rows) ui::detail::Post(nullptr, next);
    };
    ui::detail::Post(nullptr, next);
    while (added < rows) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    w.list->FlushRows();
    QCoreApplication::processEvents();  // the last batch painted
    const Times times = watch.Elapsed();
    if (withList && w.list->ShownRowCount() != rows)
        std::fprintf(stderr, "rows shown: %d of %d\n", w.list->ShownRowCount(), rows);
    return times;
}

// A blocking walk that lets the application process messages after each row.
Times FillWithProcessMessages(int rows) {
    Window w = MakeWindow();
    const Stopwatch watch;
    for (int i = 0; i < rows; ++i) {
        AddRow(*w.list, i);
        ui::Application::Instance().ProcessMessages();
    }
    w.list->FlushRows();
    QCoreApplication::processEvents();
    return watch.Elapsed();
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    ui::Application app(qtArgc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {10000, 50000};

    std::printf("List view fill, 6 columns, one row per event-loop pass (platform %s)\n", std::getenv("QT_QPA_PLATFORM"));
    for (int rows : sizes) {
        const Times fill = FillOneRowPerPass(rows);
        const Times passes = FillOneRowPerPass(rows, false);
        const double target = rows <= 10000 ? 0.5 : 2.0 * rows / 50000;
        std::printf("  %6d rows: %.3f s wall, %.3f s cpu (%.1f us/row; the passes alone %.3f s wall, %.3f s cpu)"
                    "  target < %.2f s: %s\n",
                    rows, fill.wall, fill.cpu, fill.wall * 1e6 / rows, passes.wall, passes.cpu, target,
                    fill.wall < target ? "ok" : "SLOW");
    }
    const int blocking = 1000;
    const Times walk = FillWithProcessMessages(blocking);
    std::printf("Blocking walk calling ProcessMessages after each row: %d rows %.3f s wall (%.2f ms/row)\n", blocking,
                walk.wall, walk.wall * 1e3 / blocking);
    return 0;
}
