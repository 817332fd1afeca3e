#include "cost_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace {

// 540 points = 54 yuan holds whole numbers of both prices (9 single draws or
// 2 batches), so neither kind of cost is split unevenly between bins.
constexpr int64_t kBinPoints = 540;
constexpr double kPointsPerYuan = 10.0;

constexpr double kWidth = 900;
constexpr double kHeight = 700;
constexpr double kLeft = 80;
constexpr double kRight = 30;
constexpr double kPlotWidth = kWidth - kLeft - kRight;

std::string Number(double value, const char* format = "%.6g") {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// A round step for about `wanted` ticks over `range`.
double TickStep(double range, int wanted) {
  if (range <= 0) return 1;
  const double raw = range / wanted;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
    if (raw <= m * magnitude) return m * magnitude;
  }
  return 10 * magnitude;
}

std::map<int64_t, double> Binned(const std::vector<CostChance>& costs) {
  std::map<int64_t, double> bins;
  for (const CostChance& c : costs) bins[c.points / kBinPoints] += c.chance;
  return bins;
}

struct Panel {
  double top;
  double height;
  double xMax;  // yuan
  double yMax;
  double X(double yuan) const { return kLeft + kPlotWidth * yuan / xMax; }
  double Y(double value) const { return top + height - height * value / yMax; }
};

void Axes(std::string& svg, const Panel& p, const std::string& title, const std::string& yLabel, bool percent) {
  svg += "<text x=\"" + Number(kLeft) + "\" y=\"" + Number(p.top - 12) +
         "\" font-size=\"16\" font-weight=\"bold\">" + Escape(title) + "</text>\n";
  const double yStep = TickStep(p.yMax, 5);
  for (double v = 0; v <= p.yMax * 1.0001; v += yStep) {
    const double y = p.Y(v);
    svg += "<line x1=\"" + Number(kLeft) + "\" y1=\"" + Number(y) + "\" x2=\"" + Number(kLeft + kPlotWidth) +
           "\" y2=\"" + Number(y) + "\" stroke=\"#e4e4e4\"/>\n";
    svg += "<text x=\"" + Number(kLeft - 6) + "\" y=\"" + Number(y + 4) + "\" font-size=\"12\" text-anchor=\"end\">" +
           Number(percent ? v * 100 : v, "%g") + (percent ? "%" : "") + "</text>\n";
  }
  const double xStep = TickStep(p.xMax, 10);
  for (double v = 0; v <= p.xMax * 1.0001; v += xStep) {
    const double x = p.X(v);
    svg += "<line x1=\"" + Number(x) + "\" y1=\"" + Number(p.top + p.height) + "\" x2=\"" + Number(x) + "\" y2=\"" +
           Number(p.top + p.height + 5) + "\" stroke=\"#444\"/>\n";
    svg += "<text x=\"" + Number(x) + "\" y=\"" + Number(p.top + p.height + 19) +
           "\" font-size=\"12\" text-anchor=\"middle\">" + Number(v, "%g") + "</text>\n";
  }
  svg += "<rect x=\"" + Number(kLeft) + "\" y=\"" + Number(p.top) + "\" width=\"" + Number(kPlotWidth) +
         "\" height=\"" + Number(p.height) + "\" fill=\"none\" stroke=\"#444\"/>\n";
  svg += "<text x=\"" + Number(kLeft + kPlotWidth / 2) + "\" y=\"" + Number(p.top + p.height + 38) +
         "\" font-size=\"13\" text-anchor=\"middle\">cost in yuan</text>\n";
  svg += "<text transform=\"translate(18," + Number(p.top + p.height / 2) +
         ") rotate(-90)\" font-size=\"13\" text-anchor=\"middle\">" + Escape(yLabel) + "</text>\n";
}

// The chance of a cost of at most x, as a step line through every cost.
std::string CumulativePath(const std::vector<CostChance>& costs, const Panel& p) {
  std::string path = "M" + Number(p.X(0)) + "," + Number(p.Y(0));
  double sum = 0;
  for (const CostChance& c : costs) {
    if (static_cast<double>(c.points) / kPointsPerYuan > p.xMax) break;
    const double x = p.X(static_cast<double>(c.points) / kPointsPerYuan);
    path += " L" + Number(x) + "," + Number(p.Y(sum));
    sum += c.chance;
    path += " L" + Number(x) + "," + Number(p.Y(sum));
  }
  path += " L" + Number(p.X(p.xMax)) + "," + Number(p.Y(sum));
  return path;
}

}  // namespace

std::string CostPlotSvg(const std::string& title, const std::vector<CostSeries>& series) {
  // The x axis ends where 99.9 % of every series lies: the last thousandth
  // (up to the guarantee) would squeeze the rest into a corner.
  int64_t maxPoints = kBinPoints;
  int64_t largest = 0;
  double maxBin = 0;
  for (const CostSeries& s : series) {
    for (const auto* costs : {&s.simulated, &s.exact}) {
      double sum = 0;
      for (const CostChance& c : *costs) {
        sum += c.chance;
        largest = std::max(largest, c.points);
        if (sum - c.chance < 0.999) maxPoints = std::max(maxPoints, c.points);
      }
      for (const auto& [bin, chance] : Binned(*costs)) maxBin = std::max(maxBin, chance);
    }
  }
  const double maxYuan = static_cast<double>(maxPoints) / kPointsPerYuan;
  const double xStep = TickStep(maxYuan, 10);
  const double xMax = std::ceil((maxYuan + 1) / xStep) * xStep;
  const double binYuan = static_cast<double>(kBinPoints) / kPointsPerYuan;
  const double yMax =
      std::min(1.0, std::max(TickStep(maxBin * 1.1, 5) * std::ceil(maxBin * 1.1 / TickStep(maxBin * 1.1, 5)), 1e-9));

  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(kWidth) + "\" height=\"" + Number(kHeight) +
         "\" viewBox=\"0 0 " + Number(kWidth) + " " + Number(kHeight) +
         "\" font-family=\"'WenQuanYi Micro Hei', 'Microsoft YaHei', 'Noto Sans CJK SC', sans-serif\">\n";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  svg += "<text x=\"" + Number(kWidth / 2) + "\" y=\"28\" font-size=\"19\" text-anchor=\"middle\">" + Escape(title) +
         "</text>\n";

  // Legend: one line per series.
  double legendY = 50;
  for (const CostSeries& s : series) {
    svg += "<rect x=\"" + Number(kLeft) + "\" y=\"" + Number(legendY - 9) + "\" width=\"14\" height=\"10\" fill=\"" +
           s.color + "\" fill-opacity=\"0.45\"/>\n";
    svg += "<text x=\"" + Number(kLeft + 19) + "\" y=\"" + Number(legendY) + "\" font-size=\"12\">" +
           Escape(s.label + ": simulated, " + std::to_string(s.simulatedCount) + " costs") + "</text>\n";
    if (!s.exact.empty()) {
      const double x = kLeft + 340;
      svg += "<line x1=\"" + Number(x) + "\" y1=\"" + Number(legendY - 4) + "\" x2=\"" + Number(x + 18) + "\" y2=\"" +
             Number(legendY - 4) + "\" stroke=\"" + s.color + "\" stroke-width=\"2.5\"/>\n";
      svg += "<text x=\"" + Number(x + 23) + "\" y=\"" + Number(legendY) + "\" font-size=\"12\">" +
             Escape(s.label + ": exact") + "</text>\n";
    }
    legendY += 16;
  }

  const Panel histogram{120, 210, xMax, yMax};
  Axes(svg, histogram, "Cost between top prizes (share per " + Number(binYuan, "%g") + "-yuan step)", "share",
       true);
  const double barWidth = histogram.X(binYuan) - histogram.X(0);
  for (std::size_t i = 0; i < series.size(); ++i) {
    const CostSeries& s = series[i];
    const double width = barWidth / static_cast<double>(series.size());
    for (const auto& [bin, chance] : Binned(s.simulated)) {
      if (static_cast<double>(bin + 1) * binYuan > xMax) continue;
      const double x = histogram.X(static_cast<double>(bin) * binYuan) + width * static_cast<double>(i);
      svg += "<rect x=\"" + Number(x) + "\" y=\"" + Number(histogram.Y(chance)) + "\" width=\"" + Number(width) +
             "\" height=\"" + Number(histogram.Y(0) - histogram.Y(chance)) + "\" fill=\"" + s.color +
             "\" fill-opacity=\"0.45\"/>\n";
    }
    if (s.exact.empty()) continue;
    std::string points;
    for (const auto& [bin, chance] : Binned(s.exact)) {
      if (static_cast<double>(bin + 1) * binYuan > xMax) continue;
      const double x = histogram.X((static_cast<double>(bin) + 0.5) * binYuan);
      points += Number(x) + "," + Number(histogram.Y(chance)) + " ";
      svg += "<circle cx=\"" + Number(x) + "\" cy=\"" + Number(histogram.Y(chance)) + "\" r=\"2.5\" fill=\"" +
             s.color + "\"/>\n";
    }
    svg += "<polyline points=\"" + points + "\" fill=\"none\" stroke=\"" + s.color + "\" stroke-width=\"1.5\"/>\n";
  }

  const Panel cumulative{410, 210, xMax, 1.0};
  Axes(svg, cumulative, "Chance of the top prize within a given cost", "chance", true);
  for (const CostSeries& s : series) {
    svg += "<path d=\"" + CumulativePath(s.simulated, cumulative) + "\" fill=\"none\" stroke=\"" + s.color +
           "\" stroke-width=\"" + (s.exact.empty() ? "2.5" : "5") + "\" stroke-opacity=\"0.4\"/>\n";
    if (!s.exact.empty()) {
      svg += "<path d=\"" + CumulativePath(s.exact, cumulative) + "\" fill=\"none\" stroke=\"" + s.color +
             "\" stroke-width=\"1.5\"/>\n";
    }
  }
  svg += "<text x=\"" + Number(kLeft) + "\" y=\"" + Number(kHeight - 12) +
         "\" font-size=\"11\" fill=\"#666\">" +
         Escape("Simulated: pale bars and wide pale lines; exact: dots and thin lines. Shown up to " + Number(xMax, "%g") +
                " yuan; the largest cost is " + Number(static_cast<double>(largest) / kPointsPerYuan, "%g") + " yuan.") +
         "</text>\n";
  svg += "</svg>\n";
  return svg;
}
