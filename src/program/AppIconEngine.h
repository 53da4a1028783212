#pragma once

#include <QHash>
#include <QIcon>
#include <QIconEngine>
#include <QPixmap>

// The program's icon: at the sizes a window icon carries, the renderings of the drawing
// made at build time; at every other size, and in the disabled or selected look,
// the drawing itself. The drawing, and the SVG renderer with it, loads only when needed:
// showing a window asks for the rendered sizes only.
class AppIconEngine : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine *clone() const override;
    bool isNull() override;

private:
    static bool isRendered(const QSize &size, QIcon::Mode mode, QIcon::State state);
    const QIcon &drawing();

    QHash<int, QPixmap> mRendered;
    QIcon mDrawing;
};
