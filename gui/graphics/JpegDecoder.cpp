#include "gui/graphics/JpegDecoder.h"

// jpeglib.h uses FILE and size_t without including their headers.
#include <cstdio>

#include <cairo.h>
#include <jpeglib.h>

#include <csetjmp>
#include <string>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"

// libjpeg reports errors by calling error_exit, which must not return; it longjmps back into one
// of the small functions below that hold the setjmp. Those functions keep no C++ objects alive,
// so nothing is skipped by the jump, and the session that owns the decompressor lives in the
// caller, whose destructor always releases it.
namespace {

constexpr int MaxScans = 1000;
constexpr long MaxJpegMemory = 1L << 30;
constexpr unsigned char Signature[] = {0xFF, 0xD8, 0xFF};

struct TJpegSession {
    explicit TJpegSession(std::span<const std::uint8_t> data);
    TJpegSession(const TJpegSession&) = delete;
    ~TJpegSession() { jpeg_destroy_decompress(&info); }

    jpeg_decompress_struct info{};
    jpeg_error_mgr error{};
    jpeg_source_mgr source{};
    jpeg_progress_mgr progress{};
    std::jmp_buf jump{};
    const char* reason = nullptr;
    char detail[JMSG_LENGTH_MAX] = {};
};

TJpegSession& SessionOf(j_common_ptr info) {
    return *static_cast<TJpegSession*>(info->client_data);
}

[[noreturn]] void ErrorExit(j_common_ptr info) {
    TJpegSession& session = SessionOf(info);
    if (!session.reason) {
        (*info->err->format_message)(info, session.detail);
    }
    std::longjmp(session.jump, 1);
}

[[noreturn]] void Fail(j_common_ptr info, const char* reason) {
    SessionOf(info).reason = reason;
    ErrorExit(info);
}

// Damaged data that libjpeg can still decode only warns; nothing may reach the terminal.
void EmitMessage(j_common_ptr info, int level) {
    if (level < 0) {
        ++info->err->num_warnings;
    }
}

void InitSource(j_decompress_ptr) {}

void TermSource(j_decompress_ptr) {}

// The whole file is in the buffer from the start, so being asked for more means it ended early.
boolean FillInputBuffer(j_decompress_ptr info) {
    Fail(reinterpret_cast<j_common_ptr>(info), "JPEG data is truncated");
}

void SkipInputData(j_decompress_ptr info, long count) {
    if (count <= 0) {
        return;
    }
    if (static_cast<unsigned long>(count) > info->src->bytes_in_buffer) {
        Fail(reinterpret_cast<j_common_ptr>(info), "JPEG data is truncated");
    }
    info->src->next_input_byte += count;
    info->src->bytes_in_buffer -= static_cast<std::size_t>(count);
}

// A progressive file may repeat tiny scans without end, each costing a pass over the picture.
void MonitorProgress(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > MaxScans) {
        Fail(info, "JPEG picture has too many scans");
    }
}

TJpegSession::TJpegSession(std::span<const std::uint8_t> data) {
    info.err = jpeg_std_error(&error);
    error.error_exit = ErrorExit;
    error.emit_message = EmitMessage;
    info.client_data = this;
    source.next_input_byte = data.data();
    source.bytes_in_buffer = data.size();
    source.init_source = InitSource;
    source.fill_input_buffer = FillInputBuffer;
    source.skip_input_data = SkipInputData;
    source.resync_to_restart = jpeg_resync_to_restart;
    source.term_source = TermSource;
    progress.progress_monitor = MonitorProgress;
}

bool ChooseColorSpace(TJpegSession& session) {
    switch (session.info.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
        session.info.out_color_space = JCS_EXT_BGRA;
        return true;
    case JCS_CMYK:
    case JCS_YCCK:
        session.info.out_color_space = JCS_CMYK;
        return true;
    default:
        session.reason = "JPEG colour space is not supported";
        return false;
    }
}

bool ReadHeader(TJpegSession& session) {
    if (setjmp(session.jump)) {
        return false;
    }
    jpeg_create_decompress(&session.info);
    session.info.mem->max_memory_to_use = MaxJpegMemory;
    session.info.src = &session.source;
    session.info.progress = &session.progress;
    jpeg_read_header(&session.info, TRUE);
    if (!ChooseColorSpace(session)) {
        return false;
    }
    jpeg_calc_output_dimensions(&session.info);
    return true;
}

bool Start(TJpegSession& session) {
    if (setjmp(session.jump)) {
        return false;
    }
    jpeg_start_decompress(&session.info);
    return true;
}

// Rows land in the bitmap as B, G, R, A bytes: cairo's ARGB32 in little-endian memory.
bool ReadRows(TJpegSession& session, JSAMPROW* rows) {
    if (setjmp(session.jump)) {
        return false;
    }
    jpeg_decompress_struct& info = session.info;
    while (info.output_scanline < info.output_height) {
        const JDIMENSION line = info.output_scanline;
        if (jpeg_read_scanlines(&info, rows + line, info.output_height - line) == 0) {
            Fail(reinterpret_cast<j_common_ptr>(&info), "JPEG data is truncated");
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

// Adobe writes CMYK inverted, 255 meaning no ink; plain CMYK is turned that way first.
void ConvertCmykRow(const JSAMPLE* source, std::uint32_t* target, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x) {
        std::uint32_t ink[4];
        for (int i = 0; i < 4; ++i) {
            ink[i] = inverted ? source[4 * x + i] : 255u - source[4 * x + i];
        }
        auto channel = [&ink](int i) { return (ink[i] * ink[3] + 127) / 255; };
        target[x] = 0xFF000000u | channel(0) << 16 | channel(1) << 8 | channel(2);
    }
}

bool ReadCmykRows(TJpegSession& session, JSAMPROW scratch, std::uint32_t* pixels) {
    if (setjmp(session.jump)) {
        return false;
    }
    jpeg_decompress_struct& info = session.info;
    while (info.output_scanline < info.output_height) {
        const JDIMENSION line = info.output_scanline;
        if (jpeg_read_scanlines(&info, &scratch, 1) == 0) {
            Fail(reinterpret_cast<j_common_ptr>(&info), "JPEG data is truncated");
        }
        ConvertCmykRow(scratch, pixels + static_cast<std::size_t>(line) * info.output_width,
                       info.output_width, info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    return true;
}

[[noreturn]] void Throw(const TJpegSession& session) {
    if (session.reason) {
        throw Exception(session.reason);
    }
    throw Exception(std::string("JPEG picture cannot be read: ") + session.detail);
}

void CheckSize(JDIMENSION width, JDIMENSION height) {
    if (width < 1 || height < 1 || width > TBitmap::MaxSide || height > TBitmap::MaxSide ||
        static_cast<long long>(width) * height > TBitmap::MaxPixels) {
        throw Exception("JPEG size " + std::to_string(width) + " x " + std::to_string(height) +
                        " is not supported");
    }
}

} // namespace

bool JpegDecoder::Recognises(std::span<const std::uint8_t> data) {
    return data.size() >= sizeof Signature && data[0] == Signature[0] && data[1] == Signature[1] &&
           data[2] == Signature[2];
}

void JpegDecoder::Decode(std::span<const std::uint8_t> data, TBitmap& target) {
    TJpegSession session(data);
    if (!ReadHeader(session)) {
        Throw(session);
    }
    const JDIMENSION width = session.info.output_width;
    const JDIMENSION height = session.info.output_height;
    CheckSize(width, height);
    if (!Start(session)) {
        Throw(session);
    }
    target.SetSize(static_cast<int>(width), static_cast<int>(height));
    std::uint32_t* pixels = target.ScanLine(0);
    bool read = false;
    if (session.info.out_color_space == JCS_CMYK) {
        std::vector<JSAMPLE> scratch(static_cast<std::size_t>(width) * 4);
        read = ReadCmykRows(session, scratch.data(), pixels);
    } else {
        std::vector<JSAMPROW> rows(height);
        for (JDIMENSION y = 0; y < height; ++y) {
            rows[y] = reinterpret_cast<JSAMPROW>(pixels + static_cast<std::size_t>(y) * width);
        }
        read = ReadRows(session, rows.data());
    }
    cairo_surface_mark_dirty(target.Surface());
    if (!read) {
        Throw(session);
    }
}
