// SPDX-License-Identifier: MIT
// Another program that drags one file, as a file manager would: a small
// window that starts a drag of the file given on the command line as soon
// as the left button goes down on it, then ends.
//
//   vendrask_test_drag_source FILE
// prints "ready X Y WIDTH HEIGHT" (its place on the screen) once shown,
// "action ACTION" whenever the target's answer changes what a drop would do
// (0: no drop), and "dropped ACTION" when the drag is over.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace {

class CDragSource final : public QWidget {
public:
    explicit CDragSource(QString file) : m_file(std::move(file)) {
        setWindowTitle(QStringLiteral("VendraskDragSource"));
        resize(120, 120);
        move(40, 40);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton)
            return;
        auto* mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(m_file)});
        // On the heap, as Qt wants it: the receiver asks for the data after
        // exec() returned, and the drag must still be there to answer.
        auto* drag = new QDrag(this);
        drag->setMimeData(mime);
        connect(drag, &QDrag::actionChanged, this, [](Qt::DropAction action) {
            std::printf("action %d\n", static_cast<int>(action));
            std::fflush(stdout);
        });
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::LinkAction);
        std::printf("dropped %d\n", static_cast<int>(action));
        std::fflush(stdout);
        QTimer::singleShot(3000, qApp, &QApplication::quit);
    }

private:
    QString m_file;
};

// Says "ready" once the window is on the screen, so a press can reach it.
class CExposeWatch final : public QObject {
public:
    explicit CExposeWatch(QWidget& widget) : m_widget(widget) {
        widget.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_said && event->type() == QEvent::Expose && m_widget.windowHandle()->isExposed()) {
            m_said = true;
            const QRect place(m_widget.mapToGlobal(QPoint(0, 0)), m_widget.size());
            std::printf("ready %d %d %d %d\n", place.x(), place.y(), place.width(), place.height());
            std::fflush(stdout);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_widget;
    bool m_said = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: vendrask_test_drag_source FILE\n", stderr);
        return 2;
    }
    CDragSource source(QString::fromLocal8Bit(argv[1]));
    source.show();
    CExposeWatch watch(source);
    return QApplication::exec();
}
