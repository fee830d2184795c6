#pragma once

#include "Image.h"
#include "Sculpt.h"

#include <string>

// Each family of pictures and sounds writes its files into a directory.
void makeTerrain(const std::string& textures);
void makeDebris(const std::string& textures);
void makeOrks(const std::string& textures);
void makeElf(const std::string& textures);
void makeItems(const std::string& textures);
void makeHud(const std::string& textures);
void makePanels(const std::string& textures);
void makeSounds(const std::string& sounds);
// The desktop icon at several sizes, as orkcave-<size>.png: not game data.
void makeIcons(const std::string& icons);
// The window icon as orkcave-icon.xpm, to be built into the programs.
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

// Terrain surfaces, periodic over 64 pixels, sampled at picture coordinates.
Color dirtAt(int x, int y);
Color rockAt(int x, int y);
Color waterAt(int x, int y);
