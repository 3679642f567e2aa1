// morvane-cli analyze and trace --derivatives against the closed form of the
// four-bar and the slider-crank, on models placed by coordinates.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <complex>
#include <numbers>

#include "model/model_file.h"
#include "model/part_kind.h"
#include "solver/auto_rotation.h"
#include "tests/linkage_building.h"
#include "tests/part_building.h"
#include "tests/test_support.h"

namespace morvane {
namespace {

using namespace testing;
using Vec = std::complex<double>;

constexpr double kDegree = std::numbers::pi / 180;

class AnalyzeCli : public ::testing::Test {
 protected:
  std::string Save(const ModelState& model, const std::string& name) {
    const std::string path = (folder_ / name).string();
    WriteBytes(path, *FormatModelText(model));
    return path;
  }

  QJsonObject Analyze(const std::string& path, const std::string& options = "") {
    const CliRun run = RunCli("analyze " + path + " --format json" + options);
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(run.Out));
    EXPECT_TRUE(json.isObject()) << run.Out;
    return json.object();
  }

  TempFolder folder_;
};

double Cosine(double opposite, double side1, double side2) {
  return std::acos((side1 * side1 + side2 * side2 - opposite * opposite) / (2 * side1 * side2));
}

// In tenths of a degree within a turn, as the report gives positions.
double TrackPosition(Vec direction) {
  return std::fmod(std::arg(direction) / kDegree * 10 + 3600, 3600);
}

double TurnGap(double a, double b) { return std::fabs(std::remainder(a - b, 3600.0)); }

// Crank 60, coupler 103.197, rocker 93.965, ground 120: the crank starts along
// the ground towards the rocker, where the transmission angle is least.
TEST_F(AnalyzeCli, CrankRockerMeetsTheClosedForm) {
  const double a = 60, b = 103.197, c = 93.965, d = 120;
  const auto model = FourBar({a, b, c, d}, 0, 0);
  const QJsonObject r = Analyze(Save(*model, "crank-rocker.mvd"));
  EXPECT_EQ(r["mobility"].toInt(), 1);
  EXPECT_EQ(r["parts"].toInt(), 3);
  EXPECT_TRUE(r["reason"].isNull());
  EXPECT_TRUE(r["turns_fully"].toBool());
  EXPECT_TRUE(r["dead_points"].toArray().isEmpty());
  EXPECT_EQ(r["joints"].toArray().size(), 4);

  const QJsonObject loop = r["four_bars"].toArray()[0].toObject();
  EXPECT_EQ(loop["class"].toString(), "crank-rocker");
  for (const auto& [key, length] : {std::pair{"ground", d}, {"crank", a}, {"coupler", b}, {"rocker", c}}) {
    EXPECT_NEAR(loop[key].toDouble(), length, 1e-9) << key;
  }

  const QJsonObject mu = r["transmission"].toArray()[0].toObject();
  EXPECT_EQ(mu["pin"].toInt(), 102);
  EXPECT_NEAR(mu["min"].toDouble(), Cosine(d - a, b, c) / kDegree, 0.01);
  EXPECT_NEAR(mu["max"].toDouble(), Cosine(d + a, b, c) / kDegree, 0.01);
  EXPECT_EQ(mu["min_at"].toInt(), 0);
  EXPECT_EQ(mu["max_at"].toInt(), 1800);

  // Limit positions: crank and coupler stretched into line (a + b) and folded
  // (b - a), the rocker's end on the side it starts on.
  const QJsonObject rocker = r["oscillators"].toArray()[0].toObject();
  EXPECT_EQ(rocker["part"].toInt(), 3);
  const double swing = Cosine(b + a, d, c) - Cosine(b - a, d, c);
  EXPECT_NEAR(rocker["swing"].toDouble(), swing / kDegree, 0.05);
  const double side = std::copysign(1.0, (PinAt(*model, 102) - kAxle).imag());
  const double stretched = TrackPosition(std::polar(1.0, side * Cosine(c, d, b + a)));
  const double folded = TrackPosition(-std::polar(1.0, side * Cosine(c, d, b - a)));
  const QJsonArray limits = rocker["limits"].toArray();
  EXPECT_LE(std::min(TurnGap(limits[0].toInt(), folded), TurnGap(limits[0].toInt(), stretched)), 1.0);
  EXPECT_LE(std::min(TurnGap(limits[1].toInt(), folded), TurnGap(limits[1].toInt(), stretched)), 1.0);
  const double out = TurnGap(stretched, folded);
  EXPECT_NEAR(rocker["time_ratio"].toDouble(), (3600 - out) / out, 0.005 * 10 / 9);
  EXPECT_NEAR(rocker["time_ratio"].toDouble(), 10.0 / 9, 0.005 * 10 / 9);

  // The crank pin runs at the crank's length per radian; per second at the
  // pace of automatic rotation, 4 degrees a step at the model's speed.
  const QJsonArray points = r["points"].toArray();
  const QJsonObject crankPin = points[1].toObject();
  EXPECT_EQ(crankPin["pin"].toInt(), 101);
  EXPECT_NEAR(crankPin["speed_max"].toDouble(), a, a * 1e-3);
  EXPECT_NEAR(crankPin["accel_max"].toDouble(), a, a * 1e-3);
  const double perSecond = 4 * kDegree * 1000 / static_cast<double>(kAutoStepInterval.count());
  EXPECT_NEAR(crankPin["speed_max_per_s"].toDouble(), a * perSecond, a * perSecond * 1e-3);
  EXPECT_NEAR(crankPin["accel_max_per_s2"].toDouble(), a * perSecond * perSecond, a * perSecond * perSecond * 1e-3);
  EXPECT_NEAR(points[0].toObject()["speed_max"].toDouble(), 0, 1e-9);
}

// In line, the slider strokes twice the crank, out and back in equal times.
// Set off by e from the axle, the slider's extremes come with crank and rod
// in line, stretched and folded: the stroke is sqrt((l + r)^2 - e^2) -
// sqrt((l - r)^2 - e^2), the time ratio (180 + b) / (180 - b) with
// b = asin(e / (l - r)) - asin(e / (l + r)), whichever side the offset is.
TEST_F(AnalyzeCli, SliderCrankStrokeAndTimeRatioMeetTheClosedForm) {
  const double r = 40, l = 200;
  for (const double e : {0.0, 30.0, -30.0}) {
    const QJsonObject result = Analyze(Save(*SliderCrank(r, l, e), "slider-crank.mvd"));
    EXPECT_EQ(result["mobility"].toInt(), 1);
    EXPECT_TRUE(result["turns_fully"].toBool());
    EXPECT_EQ(result["joints"].toArray()[3].toObject()["type"].toString(), "slider");
    const QJsonObject piston = result["pistons"].toArray()[0].toObject();
    EXPECT_EQ(piston["part"].toInt(), 3);
    const double stroke = std::sqrt((l + r) * (l + r) - e * e) - std::sqrt((l - r) * (l - r) - e * e);
    // Sampled a tenth of a degree apart, an extreme is missed by some 1e-5.
    EXPECT_NEAR(piston["stroke"].toDouble(), stroke, 1e-4) << e;
    const double quick = (std::asin(e / (l - r)) - std::asin(e / (l + r))) / kDegree;
    EXPECT_NEAR(piston["time_ratio"].toDouble(), (180 + std::fabs(quick)) / (180 - std::fabs(quick)), 0.005) << e;
  }
  const QJsonObject inLine = Analyze(Save(*SliderCrank(r, l), "in-line.mvd"))["pistons"][0].toObject();
  EXPECT_NEAR(inLine["stroke"].toDouble(), 2 * r, 1e-6);
  EXPECT_EQ(inLine["greatest_at"].toInt(), 0);
  EXPECT_EQ(inLine["least_at"].toInt(), 1800);
}

// The coupler-rocker pin D turns about the pivot O at
// w4 = a w2 sin(t2 - t3) / (c sin(t4 - t3)), t2, t3, t4 the directions of
// crank, coupler and rocker: dD/dt2 = c w4 (-sin t4, cos t4) per radian.
TEST_F(AnalyzeCli, CouplerRockerPinMovesAsTheAnalyticFourBar) {
  const double a = 60, b = 103.197, c = 93.965, d = 120;
  const std::string path = Save(*FourBar({a, b, c, d}, 0, 0), "four-bar.mvd");
  const auto velocity = [&](double crankDegrees) {
    const auto m = FourBar({a, b, c, d}, 0, crankDegrees);
    const Vec crankPin = PinAt(*m, 101), joint = PinAt(*m, 102), pivot = PinAt(*m, 103);
    const double t2 = std::arg(crankPin - kAxle), t3 = std::arg(joint - crankPin), t4 = std::arg(joint - pivot);
    const double w4 = a * std::sin(t2 - t3) / (c * std::sin(t4 - t3));
    return c * w4 * Vec(-std::sin(t4), std::cos(t4));
  };
  for (const int position : {300, 1500, 2700}) {
    const std::string at = std::to_string(position);
    const CliRun run = RunCli("trace " + path + " --from " + at + " --to " + at + " --derivatives --format jsonl");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const QJsonObject row = QJsonDocument::fromJson(QByteArray::fromStdString(run.Out)).object();
    const QJsonObject joint = row["parts"].toArray()[2].toObject()["pins"].toArray()[1].toObject();
    ASSERT_EQ(joint["id"].toInt(), 102);
    const Vec expected = velocity(position / 10.0);
    EXPECT_LT(std::abs(Vec(joint["vx"].toDouble(), joint["vy"].toDouble()) - expected), std::abs(expected) * 1e-3)
        << position;
  }
  double fastest = 0;
  for (int k = 0; k < 36000; ++k) {
    fastest = std::max(fastest, std::abs(velocity(k / 100.0)));
  }
  const QJsonObject joint = Analyze(path)["points"].toArray()[2].toObject();
  EXPECT_NEAR(joint["speed_max"].toDouble(), fastest, fastest * 1e-3);

  const CliRun csv = RunCli("trace " + path + " --to 10 --step 10 --derivatives");
  ASSERT_EQ(csv.ExitCode, 0) << csv.Err;
  EXPECT_EQ(csv.Out.rfind("position,pin0_x,pin0_y,pin0_vx,pin0_vy,pin0_ax,pin0_ay,pin101_x,", 0), 0u) << csv.Out;
}

// Crank 60, coupler 40, rocker 120, ground 125.3: the coupler is shortest, and
// the crank rocks between the positions where coupler and rocker fold onto
// one line (80 from the crank pin to the pivot) and stretch into it (160).
TEST_F(AnalyzeCli, DoubleRockerDeadPointsAgreeWithTheClosedForm) {
  const double ground = -39;
  const QJsonObject r = Analyze(Save(*FourBar({60, 40, 120, 125.3}, ground, 0), "double-rocker.mvd"));
  EXPECT_EQ(r["four_bars"].toArray()[0].toObject()["class"].toString(), "double-rocker");
  EXPECT_FALSE(r["turns_fully"].toBool());
  const QJsonArray dead = r["dead_points"].toArray();
  ASSERT_EQ(dead.size(), 2);
  const double closedForm[] = {ground + Cosine(80, 60, 125.3) / kDegree, ground + Cosine(160, 60, 125.3) / kDegree};
  for (int k = 0; k < 2; ++k) {
    const QJsonObject point = dead[k].toObject();
    EXPECT_LE(TurnGap(point["position"].toInt(), closedForm[k] * 10), 1.0) << k << ": " << closedForm[k];
    EXPECT_EQ(point["reason"].toString(), "Since the length of a rod does not suit, it cannot move.");
  }
}

// The six-bar example with its pins dropped before its fixed pins: the
// rocker's (the triangle's) pivot stands after its other pins, and the angle
// at the coupler's end is still the four-bar's, extreme with the crank along
// the ground line.
TEST_F(AnalyzeCli, TransmissionAngleIsTakenAgainstTheRockersPivot) {
  auto m = std::make_unique<ModelState>();
  AddPart(*m, DiskActive1, 300, 400);
  AddPart(*m, RodPassive3, 340, 400, std::atan2(240, 180) / kDegree);
  AddPart(*m, Triangle1, 400, 640);
  AddPart(*m, RodPassive3, 400, 520, 180);
  AddPart(*m, RodPassive2, 100, 280, 90);
  for (const Vec at : {Vec(340, 400), Vec(520, 640), Vec(400, 520), Vec(100, 520)}) {
    Drop(*m, Hatome, at.real(), at.imag());
  }
  Drop(*m, KoteiPin, 400, 640);
  Drop(*m, KoteiPin, 100, 280);
  const QJsonObject r = Analyze(Save(*m, "six-bar.mvd"));
  const QJsonObject loop = r["four_bars"].toArray()[0].toObject();
  const double a = loop["crank"].toDouble(), b = loop["coupler"].toDouble(), c = loop["rocker"].toDouble(),
               d = loop["ground"].toDouble();
  const QJsonObject mu = r["transmission"].toArray()[0].toObject();
  ASSERT_EQ(mu["pin"].toInt(), loop["pins"].toArray()[2].toInt());
  EXPECT_NEAR(mu["min"].toDouble(), Cosine(d - a, b, c) / kDegree, 0.01);
  EXPECT_NEAR(mu["max"].toDouble(), Cosine(d + a, b, c) / kDegree, 0.01);
}

// A crank driving two rods to a rocker has two degrees of freedom; a crank
// tied to a fixed pin is a structure; a four-bar with s + l = p + q sits at
// the change point.
TEST_F(AnalyzeCli, MobilityAndClassSayWhyAModelCannotBeAMechanism) {
  auto fiveBar = std::make_unique<ModelState>();
  AddPart(*fiveBar, DiskActive1, 300, 400);
  AddPart(*fiveBar, RodPassive1, 340, 400);
  AddPart(*fiveBar, RodPassive1, 500, 400, 90);
  AddPart(*fiveBar, RodPassive1, 500, 560);
  Drop(*fiveBar, Hatome, 340, 400);
  Drop(*fiveBar, Hatome, 500, 400);
  Drop(*fiveBar, Hatome, 500, 560);
  Drop(*fiveBar, KoteiPin, 660, 560);
  const std::string fiveBarPath = Save(*fiveBar, "five-bar.mvd");
  QJsonObject r = Analyze(fiveBarPath);
  EXPECT_EQ(r["mobility"].toInt(), 2);
  EXPECT_EQ(r["reason"].toString().left(41), "this mechanism has 2 degrees of freedom: ");
  EXPECT_FALSE(r["turns_fully"].toBool());
  r = Analyze(fiveBarPath, " --lang ja");
  EXPECT_EQ(r["reason"].toString().left(14), QString::fromUtf8("この機構の自由度は 2 です"));

  auto tied = std::make_unique<ModelState>();
  AddPart(*tied, DiskActive1, 300, 400);
  AddPart(*tied, RodPassive1, 340, 400);
  Drop(*tied, Hatome, 340, 400);
  Drop(*tied, KoteiPin, 500, 400);
  r = Analyze(Save(*tied, "structure.mvd"));
  EXPECT_EQ(r["mobility"].toInt(), 0);
  EXPECT_EQ(r["reason"].toString(), "this is a structure: it cannot move");
  EXPECT_FALSE(r["turns_fully"].toBool());
  EXPECT_EQ(r["dead_points"].toArray()[0].toObject()["reason"].toString(),
            "It cannot move under the influence of a fixed pin.");

  r = Analyze(Save(*FourBar({40, 100, 60, 80}, 0, 90), "change-point.mvd"));
  EXPECT_EQ(r["mobility"].toInt(), 1);
  const QJsonObject loop = r["four_bars"].toArray()[0].toObject();
  EXPECT_EQ(loop["class"].toString(), "change point");
  EXPECT_EQ(loop["note"].toString().left(13), "s + l = p + q");
}

}  // namespace
}  // namespace morvane
