// Makes every picture and sound the game loads, into the data folder given on the command line, a contact
// sheet of the pictures for review, and the desktop icons.
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "ContactSheet.h"
#include "Icon.h"
#include "Pictures.h"
#include "Sounds.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    try {
        const auto started = std::chrono::steady_clock::now();
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder / "Bitmaps");
        std::filesystem::create_directories(folder / "audio");

        const datagen::Pictures pictures = datagen::DrawPictures();
        datagen::WritePictures(folder, pictures);
        const std::vector<datagen::SoundSummary> sounds = datagen::MakeSounds(folder);
        datagen::WriteContactSheet(folder / "contact-sheet.png", pictures, sounds);
        datagen::WriteIcons(folder);

        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        std::printf("datagen: %zu pictures, %zu masks, %zu sounds in %.1f s\n", pictures.colour.size(),
                    pictures.masks.size(), sounds.size(), took.count());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "datagen: %s\n", error.what());
        return 1;
    }
    return 0;
}
