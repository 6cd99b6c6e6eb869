#pragma once
// History files for the result graph tests, and where a drawn result chart put its parts on
// the screen, computed from the chart's geometry of its last repaint.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/Color.h"

class TForm2;

// A summary line as the program writes it.
QByteArray DrillLine(int minutes, int seconds, int millis, int correct);
// The lines, each ended by CR LF.
QByteArray HistoryText(const QList<QByteArray>& lines);
void WriteFile(const QString& path, const QByteArray& bytes);

// How a run of a program ended: its exit code (-1 when it crashed or did not end in a minute)
// and what it wrote to stdout and stderr.
struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};
// Runs program with args in directory; childSetUp, when given, runs in the child first.
ProgramRun RunProgram(const QString& program, const QStringList& args, const QString& directory,
                      const std::function<void()>& childSetUp = {});

// Screen pixels of the last repaint of form's chart.
// Centre of the front face of the bar of point index, and a pixel just above that face.
QPoint BarFront(const TForm2& form, int index);
QPoint AboveBarFront(const TForm2& form, int index);
// The inside of the front face of the bar of point index (its outline left out).
QRect BarFrontInside(const TForm2& form, int index);
// The mark box of point index on the screen (empty when the mark was not drawn).
QRect MarkBox(const TForm2& form, int index);
// A point of the back wall between the grid lines, left of the middle.
QPoint BackWallSpot(const TForm2& form);

// The pixel's colour as a TColor (red in the low byte).
TColor PixelColor(const QImage& image, QPoint p);
// How many pixels of the rectangle have exactly the colour, or pass the test.
int CountColor(const QImage& image, const QRect& area, TColor color);
int CountPixels(const QImage& image, const QRect& area, bool (*test)(TColor));
