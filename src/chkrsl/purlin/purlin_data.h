// The purlin design command's two files of a project: what the user entered
// in its design dialog ("Dlg_DesWLT" for roof purlins, "Dlg_DesQLT" for
// wall purlins) and what its check computed ("PCR"). Both are fixed
// little-endian layouts without a header.
#pragma once

#include <cstddef>

// Purlin kinds of the per-document data.
constexpr int kRoofPurlin = 1;
constexpr int kWallPurlin = 2;

constexpr size_t kRoofDesignBytes = 128;
constexpr size_t kWallDesignBytes = 112;
constexpr size_t kPurlinCheckBytes = 428;

// The design inputs. Fields a purlin kind's file does not hold stay 0.
struct PurlineDesData {
  int steelGrade = 0;  // index of the steel grade text, 0..3
  int panelKind = 0;   // 0 or not 0: the panel text and deflection limit
  int fastenersPerMetre = 0;
  double panelInertia = 0;     // mm^4
  double roofSlope = 0;        // roof only
  double span = 0;             // m
  double spacing = 0;          // m
  int sagRods = 0;             // 0 none, 1..3 rows
  int purlinForm = 0;          // 0 lipped channel, 1 lipped Z, 2 wide-flange I
  int beamKind = 0;            // 0 simply supported, 1 continuous
  int strengthRequested = 0;   // not 0: strength check, roof restrains the purlin
  int stabilityRequested = 0;  // not 0: stability check without restraint
  int windSuctionRequested = 0;
  double deadLoad = 0;           // kN/m2
  double liveLoad = 0;           // kN/m2, roof only
  double maintenanceLoad = 0;    // kN, roof only
  int buildingForm = 0;          // 0 closed, 1 partly closed
  int zone = 0;                  // 0 middle, 1 edge strip, 2 corner
  double basicWindPressure = 0;  // kN/m2
  double heightCoef = 0;         // wind pressure height variation coefficient
  double shapeCoef = 0;          // roof only
  double windwardCoef = 0;       // wall only
  double leewardCoef = 0;        // wall only
};

// Effective section of one check, in file order.
struct PurlineEffSection {
  double Ae = 0, I2e = 0, I3e = 0, We2t = 0, We2b = 0, We3t = 0, We3b = 0;
};

// What one check block keeps. The wind-suction check stores two integers of
// its own where the others hold their combination number and tag.
struct PurlineCheckBlock {
  double ratio = 0;       // stress ratio; above 1 is not met
  double M2 = 0, M3 = 0;  // design moments, N.mm
  int combNo = 0;         // governing combination, from 1
  int combTag = 0;        // written in brackets after the number
  int effFlag = 0;        // 0: the whole section is effective
  PurlineEffSection eff;
};

// The check results.
struct PurlineChkData {
  double A = 0, I2 = 0, I3 = 0;
  double sectionExtra[2] = {0, 0};  // two further constants, not reported
  double f = 0, fy = 0, fCold = 0;  // design, yield, cold-formed design strength
  double W2t = 0, W2b = 0, W3t = 0, W3b = 0;
  // Exactly 1: the check was done and its block is reported.
  int strengthDone = 0, stabilityDone = 0, windSuctionDone = 0;
  PurlineCheckBlock strength;
  double chi = 0;        // reduction factor of the lower flange
  double myLateral = 0;  // lateral moment of the lower flange My'
  PurlineCheckBlock stability;
  double phiB = 0;  // overall stability factor under wind suction
  PurlineCheckBlock windSuction;
  int deflectionN = 0;      // deflection / span = 1/N
  int deflectionLimit = 0;  // limit = 1/L
};

// Fills `data` (zeroed first) from the design file of the document's purlin
// kind. False, without a message, when the kind is neither roof nor wall or
// the file cannot be opened or is shorter than its kind's layout (then
// `data` stays zeroed). The path is composed while the document's purlin kind
// reads 0; the kind is put back in every case. Bytes past the layout are
// ignored.
bool ReadPurlineDesData(PurlineDesData& data);

// Fills `data` (zeroed first) from "PCR". When the file cannot be opened or
// is shorter than the layout it shows "写文件时发生错误!", leaves `data`
// zeroed and returns false. A flag's slot is 8 bytes of which the first 4
// count.
bool ReadPurlineChkData(PurlineChkData& data);

// Writers of the same layouts, for the purlin design command's side and for
// tests and examples. `purlinKind` picks the roof or wall layout. False
// when the kind is neither or the file cannot be written whole.
bool WritePurlineDesData(const char* path, const PurlineDesData& data, int purlinKind);
bool WritePurlineChkData(const char* path, const PurlineChkData& data);
