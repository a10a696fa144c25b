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

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

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
        // Halfway news for whoever waits on the build; flushed, since the build reads it through a pipe.
        std::printf("datagen: %zu pictures, %zu masks in %.1f s; now the sounds\n", pictures.colour.size(),
                    pictures.masks.size(), SecondsSince(started));
        std::fflush(stdout);
        const std::vector<datagen::SoundSummary> sounds = datagen::MakeSounds(folder);
        datagen::WriteContactSheet(folder / "contact-sheet.png", pictures, sounds);
        datagen::WriteIcons(folder);

        std::printf("datagen: %zu pictures, %zu masks, %zu sounds in %.1f s\n", pictures.colour.size(),
                    pictures.masks.size(), sounds.size(), SecondsSince(started));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "datagen: %s\n", error.what());
        return 1;
    }
    return 0;
}
