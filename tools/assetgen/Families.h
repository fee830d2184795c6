#pragma once

#include "Image.h"
#include "Outputs.h"
#include "Sculpt.h"
#include "core/DataFiles.h"

#include <string>

// Puts art drawn about its own origin at the listed picture's pivot, unturned.
Placement atPivot(DataFile file, float size = 1.0f);

// Each family of pictures and sounds writes its files below the game
// directory, at the paths the game's data list gives them.
void makeTerrain(const std::string& game);
void makeDebris(const std::string& game);
void makeOrks(const std::string& game);
void makeElf(const std::string& game);
void makeItems(const std::string& game);
void makeHud(const std::string& game);
void makePanels(const std::string& game);
void makeSounds(const std::string& game);
// The desktop icon at several sizes, as orkcave-<size>.png: not game data;
// and all of them in one list for the window's _NET_WM_ICON, as
// orkcave-icon-cardinals.h, to be built into the programs.
void makeIcons(const std::string& icons);
bool makeWindowIcon(const std::string& icons);

// Figures shared between the sprites and the panel scenes.
enum class OrkPose { Walk, WindUp, Strike, Dead };
enum class ElfPose { Ready, Throw, Follow, Carry, Dead };

void paintOrk(Image& image, Placement at, OrkPose pose);
void paintElf(Image& image, Placement at, ElfPose pose);
void paintBag(Image& image, Placement at);
void paintDagger(Image& image, Placement at);
// The icon's ork head, filling the image.
void paintOrkHead(Image& image);

// A pool of blood under a fallen figure, in the figure's art coordinates.
struct BloodPool {
    Point centre;
    float halfWidth, halfHeight, turn;
    int drops;                // splashed around it
    float nearest, farthest;  // how far out the drops land, four fifths of it up and down
    float smallest, largest;  // the drops' radii
    float grain;
    uint32_t grainSeed, dropSeed;
};
void paintBloodPool(Image& image, Placement at, const BloodPool& pool);

// Terrain surfaces, periodic over a tile, sampled at picture coordinates.
Color dirtAt(int x, int y);
Color rockAt(int x, int y);
Color waterAt(int x, int y);
