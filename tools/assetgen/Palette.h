#pragma once

#include "Image.h"

// One palette for the whole cave: earthy floor, cold rock, dark teal water,
// sickly green orks, a pale elf in green and grey.
namespace palette {

inline const Color DirtDark = rgb(52, 38, 27);
inline const Color Dirt = rgb(92, 70, 49);
inline const Color DirtLight = rgb(132, 104, 74);
inline const Color Mud = rgb(34, 27, 21);

inline const Color RockDark = rgb(34, 38, 48);
inline const Color Rock = rgb(84, 90, 104);
inline const Color RockLight = rgb(138, 146, 160);

inline const Color WaterDeep = rgb(10, 40, 46);
inline const Color Water = rgb(22, 66, 72);
inline const Color WaterLight = rgb(92, 150, 148);

inline const Color Fog = rgb(9, 9, 14);

inline const Color Outline = rgb(16, 12, 10);

inline const Color OrkSkin = rgb(108, 136, 58);
inline const Color OrkSkinDark = rgb(66, 88, 34);
inline const Color OrkLeather = rgb(86, 58, 36);
inline const Color Iron = rgb(104, 106, 112);
inline const Color IronDark = rgb(58, 58, 64);
inline const Color Tusk = rgb(226, 214, 176);
inline const Color EyeRed = rgb(255, 52, 24);
inline const Color Warning = rgb(235, 30, 20);

inline const Color ElfSkin = rgb(236, 218, 192);
inline const Color ElfHair = rgb(216, 180, 98);
inline const Color ElfTunic = rgb(72, 106, 70);
inline const Color ElfCloak = rgb(168, 182, 164);
inline const Color ElfCloakDark = rgb(118, 132, 116);

inline const Color Steel = rgb(200, 206, 216);
inline const Color Brass = rgb(196, 156, 64);
inline const Color Wood = rgb(120, 78, 44);
inline const Color Sack = rgb(150, 116, 74);

inline const Color Bone = rgb(222, 212, 184);
inline const Color Blood = rgb(124, 12, 14);
inline const Color GlassGreen = rgb(60, 150, 90);
inline const Color GlassBlue = rgb(140, 190, 220);
inline const Color Duck = rgb(252, 210, 40);
inline const Color Beak = rgb(240, 120, 30);

inline const Color Daylight = rgb(250, 246, 232);
inline const Color Snow = rgb(226, 236, 246);
inline const Color SnowShade = rgb(158, 180, 206);

}
