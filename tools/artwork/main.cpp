// artwork: renders the registered pictures into BMP files and the icons
// into ICO files at build time, and describes BMP files for the build's
// checks.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bmp.h"
#include "pictures.h"

namespace {

void print_usage(FILE* out) {
  std::fputs(
      "usage: artwork [--ppm] OUTDIR NAME...  write OUTDIR/NAME.bmp for each picture\n"
      "                                      (--ppm: also NAME.ppm, the canvas as drawn)\n"
      "       artwork --ico OUTDIR NAME...    write OUTDIR/NAME.ico for each icon\n"
      "       artwork --list                  list the pictures (name, format, colours)\n"
      "                                      and the icons (name, \"icon\", images)\n"
      "       artwork --info FILE...          describe BMP files\n",
      out);
}

int list_pictures() {
  for (const Picture* p : all_pictures())
    std::printf("%-24s %-10s %d\n", p->name, bmp_format_name(p->format), p->palette_size);
  for (const IconPicture* icon : all_icons()) {
    std::printf("%-24s %-10s", icon->name, "icon");
    for (size_t i = 0; i < icon->image_count; ++i) std::printf(" %s", icon->images[i]);
    std::printf("\n");
  }
  return 0;
}

int describe_files(int count, char** files) {
  int status = 0;
  for (int i = 0; i < count; ++i) {
    BmpImage img;
    std::string error;
    if (!read_bmp_file(files[i], &img, &error)) {
      std::fprintf(stderr, "artwork: %s\n", error.c_str());
      status = 1;
      continue;
    }
    std::printf("%s width=%d height=%d bits=%d compression=%s colors=%d\n", files[i], img.width,
                img.height, img.bit_count, bmp_compression_name(img.compression), int(img.palette.size()));
  }
  return status;
}

// Plain binary PPM: the reference the format checks compare BMPs with.
bool write_ppm(const std::string& path, const Canvas& c, std::string* error) {
  char header[64];
  const int n = std::snprintf(header, sizeof header, "P6\n%d %d\n255\n", c.width, c.height);
  std::vector<uint8_t> data(header, header + n);
  for (Rgb p : c.pixels) {
    data.push_back(p.r);
    data.push_back(p.g);
    data.push_back(p.b);
  }
  return write_file(path.c_str(), data, error);
}

bool make_outdir(const char* outdir) {
  std::error_code ec;
  std::filesystem::create_directories(outdir, ec);
  if (ec) std::fprintf(stderr, "artwork: cannot create %s: %s\n", outdir, ec.message().c_str());
  return !ec;
}

int render_pictures(const char* outdir, int count, char** names, bool with_ppm) {
  if (!make_outdir(outdir)) return 1;
  int status = 0;
  for (int i = 0; i < count; ++i) {
    const Picture* picture = find_picture(names[i]);
    if (!picture) {
      std::fprintf(stderr, "artwork: no picture named '%s' (see artwork --list)\n", names[i]);
      status = 1;
      continue;
    }
    std::vector<uint8_t> bmp;
    Canvas canvas;
    std::string error;
    const std::string base = (std::filesystem::path(outdir) / picture->name).string();
    if (!render_picture(*picture, &bmp, &canvas, &error) ||
        !write_file((base + ".bmp").c_str(), bmp, &error) ||
        (with_ppm && !write_ppm(base + ".ppm", canvas, &error))) {
      std::fprintf(stderr, "artwork: %s\n", error.c_str());
      status = 1;
    }
  }
  return status;
}

int render_icons(const char* outdir, int count, char** names) {
  if (!make_outdir(outdir)) return 1;
  int status = 0;
  for (int i = 0; i < count; ++i) {
    const IconPicture* icon = find_icon(names[i]);
    if (!icon) {
      std::fprintf(stderr, "artwork: no icon named '%s' (see artwork --list)\n", names[i]);
      status = 1;
      continue;
    }
    std::vector<uint8_t> ico;
    std::string error;
    const std::string path = (std::filesystem::path(outdir) / icon->name).string() + ".ico";
    if (!render_icon(*icon, &ico, &error) || !write_file(path.c_str(), ico, &error)) {
      std::fprintf(stderr, "artwork: %s\n", error.c_str());
      status = 1;
    }
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h"))) {
    print_usage(stdout);
    return 0;
  }
  if (argc == 2 && !std::strcmp(argv[1], "--list")) return list_pictures();
  if (argc >= 3 && !std::strcmp(argv[1], "--info")) return describe_files(argc - 2, argv + 2);
  if (argc >= 4 && !std::strcmp(argv[1], "--ico") && argv[2][0] != '-')
    return render_icons(argv[2], argc - 3, argv + 3);
  const bool with_ppm = argc >= 2 && !std::strcmp(argv[1], "--ppm");
  const int first = with_ppm ? 2 : 1;
  if (argc - first >= 2 && argv[first][0] != '-') {
    return render_pictures(argv[first], argc - first - 1, argv + first + 1, with_ppm);
  }
  print_usage(stderr);
  return 2;
}
