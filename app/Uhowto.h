#pragma once
// The usage window: a scrollable usage text.

#include <QWidget>

class THowTo : public QWidget {
    Q_OBJECT
public:
    explicit THowTo(QWidget* parent = nullptr);
};
