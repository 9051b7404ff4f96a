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

// A day's midnight in UTC, counted from its Julian day: the days carry no
// time zone, and none is skipped or doubled by a change of summer time.
qint64 millisecondsOf(const std::string& day)
{
    const qint64 unixEpoch = QDate(1970, 1, 1).toJulianDay();
    return (QDate::fromString(toQString(day), Qt::ISODate).toJulianDay() - unixEpoch) * dayMilliseconds;
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
    QList<QPointF> plotted;
    plotted.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& point : points)
        plotted << QPointF(double(millisecondsOf(point.day)), point.value);
    line->replace(plotted);
    points_ = static_cast<int>(points.size());
    auto* dates = static_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
    auto* values = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    if (plotted.isEmpty()) {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        dates->setRange(now.addDays(-1), now);
        values->setRange(-1, 1);
        return;
    }
    // One day at least, and the zero line always in view.
    const qint64 first = qint64(plotted.front().x()),
                 last = std::max(qint64(plotted.back().x()), first + dayMilliseconds);
    dates->setRange(QDateTime::fromMSecsSinceEpoch(first, Qt::UTC), QDateTime::fromMSecsSinceEpoch(last, Qt::UTC));
    const auto [least, most] = std::minmax_element(plotted.begin(), plotted.end(),
                                                   [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    const double low = std::min(0.0, least->y()), high = std::max(0.0, most->y());
    values->setRange(low, high > low ? high : low + 1);
    values->applyNiceNumbers();
}

} // namespace zoret::ui
