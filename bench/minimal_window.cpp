// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The yardstick for the start-up, memory and CPU benchmarks: the least a Qt
// Widgets program can be, one empty window of the main menu's size titled
// "Minimal". With --animate it also slides a rectangle the size of the
// menu's car along it at the chase's pace (40 twips every 16 ms), which shows
// what Qt itself charges for such an animation on this machine.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstring>

namespace {
class Window : public QWidget
{
public:
    Window()
    {
        setFixedSize(308, 302);
        setWindowTitle(QStringLiteral("Minimal"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void slide()
    {
        const QRect before = car();
        m_twips = m_twips >= 5000 ? -6000 : m_twips + 40;
        update(before.united(car()));
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor(192, 192, 192));
        painter.fillRect(car(), Qt::red);
    }

private:
    QRect car() const { return QRect(m_twips / 15, 64, 96, 48); }
    int m_twips = -6000;
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Window window;
    window.show();
    QTimer tick;
    if (argc > 1 && std::strcmp(argv[1], "--animate") == 0) {
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout, &window, &Window::slide);
        tick.start(16);
    }
    return app.exec();
}
