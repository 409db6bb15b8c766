// JPEG decoding with libjpeg(-turbo) at full size into RGB32.

#include "images/ImageBitmap.h"
#include "images/ImageFormat.h"
#include "images/JpegScanBudget.h"

#include <QColor>
#include <QtGlobal>
#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace kvx {
namespace {

// libjpeg-turbo writes RGB32's byte order itself; its alpha byte is always 0xFF.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE NativeRgb32 = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE NativeRgb32 = JCS_EXT_ARGB;
#endif

struct TJpegError {
    jpeg_error_mgr Manager; // first, so that libjpeg's pointer to it leads to the whole
    std::jmp_buf Jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<TJpegError*>(info->err)->Jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

struct TScanMonitor {
    jpeg_progress_mgr Manager; // first, so that libjpeg's pointer to it leads to the whole
    TJpegScanBudget Budget;
    int ChargedScan;
    TLoadProgress* Progress;
};

// libjpeg's own count: the passes finished and the part of the current one. Every pass
// counts the same; a progressive file's input takes one estimated pass that libjpeg
// lengthens as more scans come.
void ReportPasses(const jpeg_progress_mgr& passes, TLoadProgress& progress) {
    if (passes.total_passes <= 0 || passes.pass_limit <= 0) {
        return;
    }
    constexpr std::int64_t parts = 1000;
    const std::int64_t current =
        std::clamp<std::int64_t>(passes.pass_counter, 0, passes.pass_limit) * parts /
        passes.pass_limit;
    progress.Report(std::int64_t{passes.completed_passes} * parts + current,
                    std::int64_t{passes.total_passes} * parts);
}

// libjpeg calls this before each step of input and each output row; a new scan is charged
// before its data is decoded, so a file beyond its budget is refused without doing that work.
void ChargeScans(j_common_ptr common) {
    if (!common->is_decompressor) {
        return;
    }
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    auto* monitor = reinterpret_cast<TScanMonitor*>(common->progress);
    if (monitor->Progress != nullptr) {
        ReportPasses(monitor->Manager, *monitor->Progress);
    }
    if (info->input_scan_number == monitor->ChargedScan || info->comps_in_scan <= 0) {
        return;
    }
    monitor->ChargedScan = info->input_scan_number;
    TJpegScan scan{info->Ss, info->Se, info->Ah, 0};
    for (int i = 0; i < info->comps_in_scan && i < MAX_COMPS_IN_SCAN; ++i) {
        const jpeg_component_info* component = info->cur_comp_info[i];
        scan.Blocks += std::int64_t{component->width_in_blocks} * component->height_in_blocks;
    }
    if (!monitor->Budget.Admit(scan)) {
        JumpOnError(common);
    }
}

std::int64_t ImageBlocks(const jpeg_decompress_struct& info) {
    std::int64_t blocks = 0;
    for (int i = 0; i < info.num_components; ++i) {
        blocks +=
            std::int64_t{info.comp_info[i].width_in_blocks} * info.comp_info[i].height_in_blocks;
    }
    return blocks;
}

std::uint8_t Scale(unsigned a, unsigned b) {
    return static_cast<std::uint8_t>((a * b + 127) / 255);
}

// libjpeg hands CMYK over as stored. Adobe's files (the APP14 marker) store it inverted, so
// a value already is 255 minus the ink: R = C * K / 255. Other files hold plain ink.
void ConvertCmykRow(const JSAMPLE* cmyk, QRgb* target, JDIMENSION width, bool inverted) {
    const unsigned flip = inverted ? 0 : 255;
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
        const unsigned k = cmyk[3] ^ flip;
        target[x] =
            qRgb(Scale(cmyk[0] ^ flip, k), Scale(cmyk[1] ^ flip, k), Scale(cmyk[2] ^ flip, k));
    }
}

// libjpeg's error exit longjmps back into this function, so its frame holds only C data;
// the bitmap lives in the caller. Every way out destroys the decompressor.
bool Decompress(std::FILE* file, QImage* target, TLoadProgress* progress) {
    jpeg_decompress_struct info{};
    TJpegError error{};
    TScanMonitor monitor{{}, TJpegScanBudget(0), 0, progress};
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = JumpOnError;
    error.Manager.output_message = IgnoreMessage;
    if (setjmp(error.Jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    // The budget follows the image's size, known from the header on.
    monitor.Budget = TJpegScanBudget(ImageBlocks(info));
    monitor.Manager.progress_monitor = ChargeScans;
    info.progress = &monitor.Manager;
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : NativeRgb32;
    jpeg_calc_output_dimensions(&info);
    // Checked before jpeg_start_decompress, which allocates a progressive file's whole image
    // and reads all its scans.
    if (!FitsPixelLimit(info.output_width, info.output_height) || info.output_components != 4) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    // Allocated only now: a file refused for its scans never costs the bitmap's memory.
    const TScanlines lines = AllocateScanlines(*target, info.output_width, info.output_height);
    if (lines.First == nullptr) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const JSAMPARRAY cmykRow =
        cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                         info.output_width * 4, 1)
             : nullptr;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = cmyk ? cmykRow[0] : lines.Row(info.output_scanline);
        const JDIMENSION y = info.output_scanline;
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            jpeg_destroy_decompress(&info);
            return false;
        }
        if (cmyk) {
            ConvertCmykRow(row, reinterpret_cast<QRgb*>(lines.Row(y)), info.output_width,
                           info.saw_Adobe_marker);
        }
    }
    // Trailing markers are not needed for the pixels; skipping jpeg_finish_decompress keeps
    // damage after the image data from failing an image that is complete. It would also have
    // counted the last pass as finished.
    jpeg_destroy_decompress(&info);
    if (progress != nullptr) {
        progress->Report(1, 1);
    }
    return true;
}

} // namespace

std::optional<QImage> DecodeJpegStream(std::FILE* file, TLoadProgress* progress) {
    QImage bitmap;
    if (!Decompress(file, &bitmap, progress)) {
        return std::nullopt;
    }
    return bitmap;
}

} // namespace kvx
