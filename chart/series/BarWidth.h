#pragma once
// The pixel width of bars: a share of the room each point has along the axis, split between
// the bar series standing side by side, and always even so that a bar centres on its point.

// Room per point along an axis of axisLength pixels holding points points; with side margins
// half a room is kept free at either end. 0 when there are no points.
int BarRoomPerPoint(int axisLength, int points, bool sideMargins);

// Room per point when the bars are sized by the axis range (minimum..maximum).
int BarRoomForRange(int axisLength, double minimum, double maximum);

// Width of one bar: barWidthPercent of the room, divided among bars series, made even upward.
int BarWidthForRoom(int room, int barWidthPercent, int bars);
