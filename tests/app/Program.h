#pragma once
// The program's four windows as start-up makes them, with scripted dialogs, for
// tests that drive the real widgets on the offscreen platform.

#include <QAbstractItemModel>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "app/Uhowto.h"
#include "app/Uopen.h"
#include "app/Uversion.h"
#include "convert/Uother.h"
#include "core/ScriptedDialogs.h"

namespace quorvel::testing {

// A control of `window` by its designed name; the test stops when there is none.
template <typename T>
T* Find(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
}

struct Program {
    TOpen open;
    TVersion version;
    THowTo howTo;
    TOther other{&open};
    ScriptedDialogs dialogs{&open.State()};
    TempDir dir;

    Program() {
        open.Attach(&version, &howTo, &other);
        open.SetDialogs(&dialogs);
        open.show();
    }
    template <typename T>
    T* Main(const char* name) {
        return Find<T>(&open, name);
    }
    QString Text(const char* label) { return Main<QLabel>(label)->text(); }
    void Click(const char* button) { QTest::mouseClick(Main<QPushButton>(button), Qt::LeftButton); }
    // Chooses a menu entry of the main window by its control name.
    void Menu(const char* entry) { Find<QAction>(&open, entry)->trigger(); }
    void Select(int item) {
        Main<QRadioButton>(("RadioGroup1Item" + std::to_string(item)).c_str())->setChecked(true);
    }
    QAbstractItemModel* Model() { return Main<QTableView>("StringGrid1")->model(); }
    // Writes `bytes` to `name` and loads it with "読み込み" under the selected kind.
    void Load(const std::string& name, const std::string& bytes) {
        WriteFile(dir.Path(name), bytes);
        dialogs.SetNextFileName(dir.Path(name));
        Click("Button2");
    }
};

}  // namespace quorvel::testing
