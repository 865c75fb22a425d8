#include "chkrsl/purlin/report_layout.h"

#include <string>

#include "chkrsl/purlin/load_comb_text.h"

namespace chkrsl {
namespace {

// A value table: the text of an index, or nothing outside the table.
template <size_t N>
const char* Pick(const char* const (&table)[N], int index) {
  return index >= 0 && static_cast<size_t>(index) < N ? table[index] : "";
}

constexpr const char* kSteelGrades[] = {"Q235钢", "Q345钢", "Q390钢", "Q420钢"};
constexpr const char* kRoofPanels[] = {"仅支承压型钢板屋面(1/150)", "尚有吊顶(1/240)"};
constexpr const char* kWallPanels[] = {"仅支承压型钢板墙(1/100)", "支撑砌体墙(1/180且≤50mm)"};
constexpr const char* kPurlinForms[] = {"冷弯卷边槽钢  ", "Z型卷边型钢  ", "宽翼缘工字钢  "};
constexpr const char* kSagRods[] = {"不设拉条", "设置一道拉条", "设置两道拉条", "设置三道拉条"};
constexpr const char* kBuildingForms[] = {"封闭式", "部分封闭式"};
constexpr const char* kZones[] = {"中间区", "边缘带", "角部"};
constexpr const char* kBeamKinds[] = {"  ***** 按照简支梁计算 *****",
                                      "  ***** 按照连续梁计算 *****"};

constexpr SetWidth kW10{10};

class ReportWriter {
 public:
  ReportWriter(ReportStream& out, const PurlineDesData& des, const PurlineChkData& chk, int kind)
      : out_(out), des_(des), chk_(chk), roof_(kind == kRoofPurlin) {}
  ~ReportWriter() { DeleteLoadCombs(combs_); }
  ReportWriter(const ReportWriter&) = delete;
  ReportWriter& operator=(const ReportWriter&) = delete;

  void Write(const std::string& timeText) {
    Head(timeText);
    BasicInfo();
    PurlinInfo();
    Loads();
    CalculationType();
    SectionAndMaterial();
    if (chk_.strengthDone == 1) StrengthBlock();
    if (chk_.stabilityDone == 1) StabilityBlock();
    if (chk_.windSuctionDone == 1) WindSuctionBlock();
    Deflection();
  }

 private:
  ReportStream& Line(const char* text = "") { return out_ << text << kEndl; }

  void Head(const std::string& timeText) {
    const std::string rule(58, '-');
    out_.Raw(rule) << kEndl;
    Line("                   启 衡 工 坊 QB2R 软 件");
    Line();
    Line("                   檩条设计结果文件");
    // The time text brings its own newline.
    out_ << "             设计时间:  ";
    out_.Raw(timeText);
    out_.Raw(rule) << kEndl;
    Line();
  }

  void BasicInfo() {
    Line("----------基本信息------------");
    Line();
    out_ << "  钢材型号:             " << Pick(kSteelGrades, des_.steelGrade) << kEndl;
    const int panel = des_.panelKind != 0 ? 1 : 0;
    out_ << "  面板材料:             " << (roof_ ? kRoofPanels : kWallPanels)[panel] << kEndl;
    out_ << "  每米紧固件数目:       " << des_.fastenersPerMetre << kEndl;
    out_ << "  面板截面惯性矩(MM4):  " << SetPrecision{0} << des_.panelInertia << kEndl;
    out_ << SetPrecision{3};
    Line();
  }

  void PurlinInfo() {
    Line("----------檩条信息------------");
    Line();
    out_ << "  檩条形式:             " << Pick(kPurlinForms, des_.purlinForm) << kEndl;
    out_ << "  拉条设置:             " << Pick(kSagRods, des_.sagRods) << kEndl;
    if (roof_) out_ << "  屋面坡度:             " << des_.roofSlope << kEndl;
    out_ << "  檩条跨度(M):          " << des_.span << kEndl;
    out_ << "  檩条间距(M):          " << des_.spacing << kEndl;
    Line();
  }

  // Standard wind load: shape coefficient x height coefficient x basic
  // pressure, multiplied in that order.
  double WindLoad(double shapeCoef) const {
    return shapeCoef * des_.heightCoef * des_.basicWindPressure;
  }

  void Loads() {
    Line("----------荷载信息------------");
    Line();
    out_ << "  建筑形式:             " << Pick(kBuildingForms, des_.buildingForm) << kEndl;
    out_ << "  分区:                 " << Pick(kZones, des_.zone) << kEndl;
    out_ << "  基本风压(KN/M2):      " << des_.basicWindPressure << kEndl;
    out_ << "  风荷载高度变化系数:   " << des_.heightCoef << kEndl;
    if (roof_) {
      out_ << "  风荷载体形系数:      " << des_.shapeCoef << kEndl;
      Line();
      out_ << "  风载标准值(KN/M2):    " << WindLoad(des_.shapeCoef) << kEndl;
      Line();
    } else {
      out_ << "  迎风面体形系数:           " << des_.windwardCoef << kEndl;
      out_ << "  背风面体形系数:          " << des_.leewardCoef << kEndl;
      out_ << "  迎风面风载标准值(KN/M2):  " << WindLoad(des_.windwardCoef) << kEndl;
      out_ << "  背风面风载标准值(KN/M2): " << WindLoad(des_.leewardCoef) << kEndl;
      Line();
    }
    out_ << "  恒载标准值(KN/M2):    " << des_.deadLoad << kEndl;
    if (roof_) {
      out_ << "  活载标准值(KN/M2):    " << des_.liveLoad << kEndl;
      out_ << "  检修荷载(KN):         " << des_.maintenanceLoad << kEndl;
      Line();
    }
    Line("  荷载组合");
    WriteLoadCombList(out_, combs_);
    Line();
  }

  void CalculationType() {
    Line("----------计算类型------------");
    Line();
    if (des_.beamKind == 0 || des_.beamKind == 1) Line(kBeamKinds[des_.beamKind]);
    if (des_.strengthRequested != 0) Line("  ***** 进行强度验算,考虑屋面阻止檩条失稳 *****");
    if (des_.stabilityRequested != 0) Line("  ***** 进行稳定验算,不考虑屋面阻止檩条失稳 *****");
    if (des_.windSuctionRequested != 0) Line("  ***** 风吸力下的稳定验算 *****");
    Line();
  }

  void SectionAndMaterial() {
    Line("----------截面及材料特性------------");
    Line();
    out_ << "\t  A = " << kW10 << chk_.A << "\t I2 = " << kW10 << chk_.I2 << "\t I3 = " << kW10
         << chk_.I3 << kEndl;
    out_ << "\tW2t = " << kW10 << chk_.W2t << "\tW2b = " << kW10 << chk_.W2b << "\tW3t = " << kW10
         << chk_.W3t << "\tW3b = " << kW10 << chk_.W3b << kEndl;
    Line();
    out_ << "\t屈服强度        fy = " << chk_.fy << kEndl;
    out_ << "\t强度设计值       f = " << chk_.f << kEndl;
    out_ << "\t考虑冷弯效应强度 f'= " << chk_.fCold << kEndl;
    Line();
    Line("----------验算结果------------");
    Line();
  }

  void BlockTitle(size_t hyphens, const char* title) {
    const std::string rule = "  " + std::string(hyphens, '-');
    Line();
    out_.Raw(rule) << kEndl;
    Line(title);
    out_.Raw(rule) << kEndl;
  }

  void CombinationLine(const PurlineCheckBlock& b) {
    out_ << "        验算所用组合: " << b.combNo << "(" << b.combTag << ")";
    WriteLoadCombExpr(out_, b.combNo, combs_);
    out_ << kEndl;
  }

  void EffectiveSection(const PurlineCheckBlock& b) {
    Line("        有效截面计算结果:");
    if (b.effFlag == 0) {
      Line("          全截面有效。");
      return;
    }
    const PurlineEffSection& e = b.eff;
    out_ << "                Ae = " << kW10 << e.Ae << "\t I2e = " << kW10 << e.I2e
         << "\t I3e = " << kW10 << e.I3e << kEndl;
    out_ << "              We2t = " << kW10 << e.We2t << "\tWe2b = " << kW10 << e.We2b
         << "\tWe3t = " << kW10 << e.We3t << "\tWe3b = " << kW10 << e.We3b << kEndl;
    Line();
  }

  // The stored ratio decides, not its rounded text: NaN is not met either.
  void RatioLine(const char* label, double ratio) {
    out_ << label << ratio << (ratio <= 1.0 ? "\t满足" : "\t不满足") << kEndl;
  }

  void SpacedMoments(const PurlineCheckBlock& b) {
    out_ << "        弯矩设计值(N.mm)"
         << "          M2= " << b.M2 << "          M3= " << b.M3 << kEndl;
  }

  void StrengthBlock() {
    const PurlineCheckBlock& b = chk_.strength;
    BlockTitle(54, "  | 按门式刚架规程CECS102:2002 (6.3.7-1)式验算檩条强度 |");
    CombinationLine(b);
    Line();
    out_ << "        弯矩设计值(N.mm)"
         << "            M2= " << b.M2 << "\t          M3= " << b.M3 << kEndl;
    Line();
    EffectiveSection(b);
    RatioLine("        强度应力比: ", b.ratio);
  }

  void StabilityBlock() {
    const PurlineCheckBlock& b = chk_.stability;
    BlockTitle(53, "  | 按门式刚架规程CECS102:2002 (6.3.7-2)式计算验算檩条稳定 |");
    CombinationLine(b);
    Line();
    SpacedMoments(b);
    Line();
    EffectiveSection(b);
    out_ << "        下翼缘压弯屈曲承载力降低系数: χ = " << chk_.chi << kEndl;
    out_ << "        垂直荷载引起的下翼缘侧向弯矩: My'= " << chk_.myLateral << kEndl;
    Line();
    RatioLine("        稳定应力比: ", b.ratio);
  }

  void WindSuctionBlock() {
    const PurlineCheckBlock& b = chk_.windSuction;
    BlockTitle(66, "  | 按门式刚架规程CECS102:2002 附录E 验算风吸力作用下檩条稳定 |");
    Line("        验算所用组合: 1.00 x 恒 + 1.40 x 风");
    Line();
    SpacedMoments(b);
    Line();
    EffectiveSection(b);
    out_ << "        整体稳定系数: φb = " << chk_.phiB << kEndl;
    Line();
    RatioLine("        风吸力稳定应力比: ", b.ratio);
  }

  // Always last, and the report's last line: no line end follows.
  void Deflection() {
    Line();
    Line("----------荷载标准值作用下，挠度计算------------");
    Line();
    out_ << "    垂直于屋面的挠度比 : v/l = 1/" << chk_.deflectionN
         << (chk_.deflectionN >= chk_.deflectionLimit ? " <= 1/" : " > 1/") << chk_.deflectionLimit;
  }

  ReportStream& out_;
  const PurlineDesData& des_;
  const PurlineChkData& chk_;
  const bool roof_;
  PurlineLoadCombList combs_;
};

}  // namespace

void WritePurlinReport(ReportStream& out, const PurlineDesData& des, const PurlineChkData& chk,
                       int purlinKind, const std::string& timeText) {
  ReportWriter(out, des, chk, purlinKind).Write(timeText);
}

}  // namespace chkrsl
