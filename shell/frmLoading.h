// The splash window shown while the tool windows load, where the launcher will appear.
#pragma once

#include <QWidget>

class QLabel;

class frmLoading : public QWidget {
    Q_OBJECT

public:
    // Takes the launcher's position, so it shows where the launcher will show.
    explicit frmLoading(const QWidget* launcher);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;

protected:
    void paintEvent(QPaintEvent* event) override;
};
