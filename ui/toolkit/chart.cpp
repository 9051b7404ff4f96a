// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/chart.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace zoret::ui {

namespace {

constexpr qint64 dayMilliseconds = 86'400'000;
constexpr qint64 minuteMilliseconds = 60'000;
// The most spaces between labels: five labels fit the narrowest window.
constexpr qint64 mostSpaces = 4;

// A time counted from a day's midnight in UTC, its Julian day, and the time
// of day: the days carry no time zone, and none is skipped or doubled by a
// change of summer time.
qint64 millisecondsOf(const std::string& at)
{
    const qint64 unixEpoch = QDate(1970, 1, 1).toJulianDay();
    const QString text = toQString(at);
    const qint64 day = (QDate::fromString(text.left(10), Qt::ISODate).toJulianDay() - unixEpoch) * dayMilliseconds;
    const QTime time = text.size() > 10 ? QTime::fromString(text.mid(11), Qt::ISODate) : QTime();
    return day + (time.isValid() ? time.msecsSinceStartOfDay() : 0);
}

qint64 localOffset(const std::string& at)
{
    const QDateTime local(QDate::fromString(toQString(at).left(10), Qt::ISODate), QTime(0, 0), Qt::LocalTime);
    return qint64(local.offsetFromUtc()) * 1000;
}

bool oneDay(const std::vector<ChartPoint>& points)
{
    return std::all_of(points.begin(), points.end(), [&](const ChartPoint& point) {
        return point.at.size() > 10 && point.at.compare(0, 10, points.front().at, 0, 10) == 0;
    });
}

// From the first point's day (or minute) to the last, widened so that the
// labels fall on whole days (minutes) spaced alike: no two print the same.
struct Axis {
    qint64 first, last;
    int ticks;
};

Axis axisOver(qint64 first, qint64 last, qint64 unit)
{
    first -= first % unit;
    const qint64 units = std::max<qint64>(1, (last - first + unit - 1) / unit);
    const qint64 spaces = std::min(mostSpaces, units);
    const qint64 step = (units + spaces - 1) / spaces;
    return {first, first + step * spaces * unit, int(spaces + 1)};
}

} // namespace

QWidget* Chart::makeWidget(QWidget* parent, Style)
{
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(2, 2, 2, 2));
    auto* line = new QLineSeries(chart);
    chart->addSeries(line);
    auto* dates = new QDateTimeAxis(chart);
    dates->setFormat(QStringLiteral("dd.MM.yyyy"));
    dates->setTickCount(5);
    auto* values = new QValueAxis(chart);
    values->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    line->attachAxis(dates);
    line->attachAxis(values);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::NoFocus);
    view->viewport()->setFocusPolicy(Qt::NoFocus);
    points_ = 0;
    return view;
}

void Chart::setPoints(const std::vector<ChartPoint>& points)
{
    auto* view = static_cast<QChartView*>(widget());
    if (!view)
        return;
    QChart* chart = view->chart();
    auto* line = static_cast<QLineSeries*>(chart->series().value(0));
    auto* dates = static_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
    auto* values = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    points_ = static_cast<int>(points.size());
    if (points.empty()) {
        line->clear();
        const QDateTime now = QDateTime::currentDateTimeUtc();
        dates->setRange(now.addDays(-1), now);
        values->setRange(-1, 1);
        return;
    }
    const bool times = oneDay(points);
    const Axis axis = axisOver(millisecondsOf(points.front().at), millisecondsOf(points.back().at),
                               times ? minuteMilliseconds : dayMilliseconds);
    // The axis prints local time: everything moves by the zone's offset on
    // the first day, so that a label reads as the time it stands for.
    const qint64 offset = localOffset(points.front().at);
    QList<QPointF> plotted;
    plotted.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& point : points)
        plotted << QPointF(double(millisecondsOf(point.at) - offset), point.value);
    line->replace(plotted);
    dates->setFormat(times ? QStringLiteral("HH:mm") : QStringLiteral("dd.MM.yyyy"));
    dates->setTickCount(axis.ticks);
    dates->setRange(QDateTime::fromMSecsSinceEpoch(axis.first - offset, Qt::UTC),
                    QDateTime::fromMSecsSinceEpoch(axis.last - offset, Qt::UTC));
    // The zero line always in view.
    const auto [least, most] = std::minmax_element(plotted.begin(), plotted.end(),
                                                   [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    const double low = std::min(0.0, least->y()), high = std::max(0.0, most->y());
    values->setRange(low, high > low ? high : low + 1);
    values->applyNiceNumbers();
}

} // namespace zoret::ui
