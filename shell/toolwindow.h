// The frame every tool window shares: its name and caption, its size, its place kept in its own
// section of the settings file, and its background.
#pragma once

#include <QWidget>

struct ToolFrame {
    const char* name; // the window's objectName: "frmScale"
    const char* title; // its caption, UTF-8: "ScaleView"
    int width; // its client size in twips
    int height;
    bool fixedSize;
    const char* section; // the settings section of its position; nullptr: not kept
    int top; // the position a first start gives it, in twips
    int left;
    bool textured; // the mottled texture behind the controls, else the palette's colour
};

class ToolWindow : public QWidget {
    Q_OBJECT

protected:
    // Builds the frame and puts the window where it was last closed; it stays hidden.
    explicit ToolWindow(const ToolFrame& frame);

    // The window's own settings, written as it closes, before its position.
    virtual void WriteSettings() { }

    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const char* section_;
    bool textured_;
};
