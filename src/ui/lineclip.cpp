#include "lineclip.h"

#include <cmath>

namespace {

constexpr double farAway = 1e300;

double tame(double v)
{
    return std::isinf(v) ? std::copysign(farAway, v) : v;
}

// Where the clipped line leaves or enters: at an endpoint, or on a boundary.
enum class Boundary { None, VerticalEdge, HorizontalEdge };

struct Limit
{
    double t;
    Boundary boundary = Boundary::None;
    double edge = 0.0; // x of a vertical edge, y of a horizontal one
};

// One Liang-Barsky boundary: p * t <= q. Narrows [entry, exit]; false when empty.
bool narrow(double p, double q, Boundary boundary, double edge, Limit& entry, Limit& exit)
{
    if (p == 0.0)
        return q >= 0.0;
    const double t = q / p;
    if (p < 0.0 && t > entry.t)
        entry = Limit{t, boundary, edge};
    else if (p > 0.0 && t < exit.t)
        exit = Limit{t, boundary, edge};
    return entry.t <= exit.t;
}

// The point of the line a-b on an edge, interpolated from the endpoint
// nearer to that edge, so that a far-away endpoint costs no precision.
QPointF pointOnEdge(QPointF a, QPointF b, const Limit& limit, QPointF endpoint)
{
    if (limit.boundary == Boundary::VerticalEdge) {
        const QPointF near = std::fabs(limit.edge - a.x()) <= std::fabs(limit.edge - b.x()) ? a : b;
        const double slope = (b.y() / 2 - a.y() / 2) / (b.x() / 2 - a.x() / 2);
        return QPointF(limit.edge, near.y() + (limit.edge - near.x()) * slope);
    }
    if (limit.boundary == Boundary::HorizontalEdge) {
        const QPointF near = std::fabs(limit.edge - a.y()) <= std::fabs(limit.edge - b.y()) ? a : b;
        const double slope = (b.x() / 2 - a.x() / 2) / (b.y() / 2 - a.y() / 2);
        return QPointF(near.x() + (limit.edge - near.y()) * slope, limit.edge);
    }
    return endpoint;
}

} // namespace

std::optional<QLineF> clipLine(QLineF line, const QRectF& clip)
{
    const QPointF a(tame(line.x1()), tame(line.y1()));
    const QPointF b(tame(line.x2()), tame(line.y2()));
    if (std::isnan(a.x()) || std::isnan(a.y()) || std::isnan(b.x()) || std::isnan(b.y()))
        return std::nullopt;
    // Halved so that the difference of two endpoints near +-1e300 stays finite.
    const double dx = b.x() / 2 - a.x() / 2;
    const double dy = b.y() / 2 - a.y() / 2;
    Limit entry{0.0};
    Limit exit{2.0};
    if (!narrow(-dx, a.x() - clip.left(), Boundary::VerticalEdge, clip.left(), entry, exit)
        || !narrow(dx, clip.right() - a.x(), Boundary::VerticalEdge, clip.right(), entry, exit)
        || !narrow(-dy, a.y() - clip.top(), Boundary::HorizontalEdge, clip.top(), entry, exit)
        || !narrow(dy, clip.bottom() - a.y(), Boundary::HorizontalEdge, clip.bottom(), entry, exit))
        return std::nullopt;
    return QLineF(pointOnEdge(a, b, entry, a), pointOnEdge(a, b, exit, b));
}
