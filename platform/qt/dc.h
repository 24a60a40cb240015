#pragma once

#include "platform/qt/wintypes.h"

#include <QPainter>

class QWidget;

// A device context in the original drawing interface's terms, over a QPainter.
// The painter and the widget belong to the caller and outlive the CDC.
class CDC {
public:
    CDC(QPainter* painter, QWidget* widget) : m_painter(painter), m_widget(widget) {}
    virtual ~CDC() = default;

    QPainter* GetPainter() const { return m_painter; }
    QWidget* GetWidget() const { return m_widget; }

private:
    QPainter* m_painter;
    QWidget* m_widget;
};
