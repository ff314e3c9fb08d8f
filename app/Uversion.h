#pragma once
// The version window: title, name and version, date and author.

#include <QWidget>

class TVersion : public QWidget {
    Q_OBJECT
public:
    explicit TVersion(QWidget* parent = nullptr);
};
