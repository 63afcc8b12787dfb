// The picture catalogue: the 22 pictures the windows show, each named and
// numbered by its resource ID.
//
// A picture is the file "<ID>.png" in the folder "pictures" beside the
// executable. Each is loaded the first time a window needs it, shared by every
// control that shows it, and kept until the program ends; shutdown releases
// them in ID order. A picture that cannot be read (missing file, missing
// folder, unreadable data) leaves its control blank and is looked for again
// at the next need.
#pragma once

#include <QString>

#include <functional>

class QPixmap;

namespace pictures {

// Resource IDs, in catalogue order (the order of release).
inline constexpr int Logo10 = 168;        // banner of the start window
inline constexpr int Liquid2 = 169;       // liquid symbol
inline constexpr int Vapour2 = 170;       // vapour symbol
inline constexpr int helmholtz = 171;     // unified Helmholtz energy function
inline constexpr int pressure = 172;      // pressure from the Helmholtz function
inline constexpr int fugacitycoef = 173;  // fugacity coefficient
inline constexpr int phiR = 174;          // residual function
inline constexpr int phiRd = 175;         // its density derivative
inline constexpr int delta = 176;         // reduced density
inline constexpr int Energy = 177;        // internal energy
inline constexpr int entropy = 178;       // entropy
inline constexpr int enthalpy = 179;      // enthalpy
inline constexpr int gibbs = 180;         // Gibbs energy
inline constexpr int cv = 181;            // heat capacity at constant volume
inline constexpr int cp = 182;            // heat capacity at constant pressure
inline constexpr int dpdr = 183;          // (dP/drho) at constant T
inline constexpr int dpdT = 184;          // (dP/dT) at constant rho
inline constexpr int sound = 185;         // speed of sound
inline constexpr int joule = 186;         // Joule-Thomson coefficient
inline constexpr int visco1 = 187;        // viscosity, first formula
inline constexpr int visco2 = 188;        // viscosity, second formula
inline constexpr int dielect = 189;       // static dielectric constant

inline constexpr int FirstId = Logo10;
inline constexpr int LastId = dielect;
inline constexpr int Count = LastId - FirstId + 1;

// The picture with that resource ID: the cached one, or loaded now and
// cached. nullptr when it cannot be read (or the ID is not in the catalogue,
// or no application object exists yet); nothing is cached then.
const QPixmap* Picture(int id);

// True while the picture is cached.
bool Loaded(int id);

// The folder the pictures are read from: "pictures" beside the executable
// unless set otherwise (the tests point it at folders of their own). Setting
// it affects only pictures not loaded yet.
QString Folder();
void SetFolder(const QString& folder);

// Makes the catalogue the window layer's source of pictures.
void Install();

// Releases every cache in ID order, loaded or not (a never-loaded cache is
// released without effect); `released` is told each ID as it goes.
void ReleaseAll(const std::function<void(int id)>& released = {});

// One accessor per picture.
inline const QPixmap* Logo10Picture() { return Picture(Logo10); }
inline const QPixmap* Liquid2Picture() { return Picture(Liquid2); }
inline const QPixmap* Vapour2Picture() { return Picture(Vapour2); }
inline const QPixmap* helmholtzPicture() { return Picture(helmholtz); }
inline const QPixmap* pressurePicture() { return Picture(pressure); }
inline const QPixmap* fugacitycoefPicture() { return Picture(fugacitycoef); }
inline const QPixmap* phiRPicture() { return Picture(phiR); }
inline const QPixmap* phiRdPicture() { return Picture(phiRd); }
inline const QPixmap* deltaPicture() { return Picture(delta); }
inline const QPixmap* EnergyPicture() { return Picture(Energy); }
inline const QPixmap* entropyPicture() { return Picture(entropy); }
inline const QPixmap* enthalpyPicture() { return Picture(enthalpy); }
inline const QPixmap* gibbsPicture() { return Picture(gibbs); }
inline const QPixmap* cvPicture() { return Picture(cv); }
inline const QPixmap* cpPicture() { return Picture(cp); }
inline const QPixmap* dpdrPicture() { return Picture(dpdr); }
inline const QPixmap* dpdTPicture() { return Picture(dpdT); }
inline const QPixmap* soundPicture() { return Picture(sound); }
inline const QPixmap* joulePicture() { return Picture(joule); }
inline const QPixmap* visco1Picture() { return Picture(visco1); }
inline const QPixmap* visco2Picture() { return Picture(visco2); }
inline const QPixmap* dielectPicture() { return Picture(dielect); }

}  // namespace pictures
