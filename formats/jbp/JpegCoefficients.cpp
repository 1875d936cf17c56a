#include "formats/jbp/JpegCoefficients.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// After <cstdio>: jpeglib.h needs FILE.
#include <jpeglib.h>

namespace vn {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void ErrorExit(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void Silent(j_common_ptr, int) {}

void InitErrors(ErrorManager& err) {
    jpeg_std_error(&err.base);
    err.base.error_exit = ErrorExit;
    err.base.emit_message = Silent;
}

bool Is420(const jpeg_decompress_struct& d) {
    return d.num_components == 3 && d.jpeg_color_space == JCS_YCbCr &&
           d.comp_info[0].h_samp_factor == 2 && d.comp_info[0].v_samp_factor == 2 &&
           d.comp_info[1].h_samp_factor == 1 && d.comp_info[1].v_samp_factor == 1 &&
           d.comp_info[2].h_samp_factor == 1 && d.comp_info[2].v_samp_factor == 1 &&
           d.image_width <= 65535 && d.image_height <= 65535;
}

void CopyBlock(j_decompress_ptr d, jvirt_barray_ptr array, int row, int column, int16_t* out) {
    JBLOCKARRAY rows = (*d->mem->access_virt_barray)(reinterpret_cast<j_common_ptr>(d), array,
                                                     static_cast<JDIMENSION>(row), 1, FALSE);
    const JCOEF* in = rows[0][column];
    for (int i = 0; i < 64; ++i) out[i] = in[i];
}

// Macroblock order: four luminance blocks, then Cb, then Cr.
void CopyCoefficients(j_decompress_ptr d, jvirt_barray_ptr* arrays, JbpCoefficients& out) {
    const int mbWide = JbpPadded(out.width) / 16, mbHigh = JbpPadded(out.height) / 16;
    int16_t* block = out.blocks.data();
    for (int my = 0; my < mbHigh; ++my) {
        for (int mx = 0; mx < mbWide; ++mx) {
            for (int i = 0; i < 4; ++i, block += 64)
                CopyBlock(d, arrays[0], my * 2 + i / 2, mx * 2 + i % 2, block);
            for (int c = 1; c <= 2; ++c, block += 64) CopyBlock(d, arrays[c], my, mx, block);
        }
    }
}

// Only plain data lives across the setjmp, so nothing is lost on an error.
bool Compress(const Bitmap& picture, int quality, JSAMPROW* rows, unsigned char** buffer,
              unsigned long* size) {
    jpeg_compress_struct c{};
    ErrorManager err;
    InitErrors(err);
    c.err = &err.base;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&c);
        return false;
    }
    jpeg_create_compress(&c);
    jpeg_mem_dest(&c, buffer, size);
    c.image_width = static_cast<JDIMENSION>(picture.Width());
    c.image_height = static_cast<JDIMENSION>(picture.Height());
    c.input_components = picture.BytesPerPixel();
    c.in_color_space = picture.BitCount() == 32 ? JCS_EXT_BGRX : JCS_EXT_BGR;
    jpeg_set_defaults(&c);
    jpeg_set_colorspace(&c, JCS_YCbCr);  // luminance 2 × 2, chrominance 1 × 1: 4:2:0
    jpeg_set_quality(&c, quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) jpeg_write_scanlines(&c, &rows[c.next_scanline], 1);
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    return true;
}

}  // namespace

std::optional<std::vector<uint8_t>> EncodeJpeg(const Bitmap& picture, int quality) {
    std::vector<JSAMPROW> rows(picture.Height());
    for (int y = 0; y < picture.Height(); ++y)
        rows[y] = const_cast<JSAMPROW>(picture.RowFromTop(y));
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = Compress(picture, quality, rows.data(), &buffer, &size);
    std::optional<std::vector<uint8_t>> out;
    if (ok) out.emplace(buffer, buffer + size);
    std::free(buffer);
    return out;
}

namespace {

// out lives in the caller's frame, so an error jump loses nothing.
bool ReadCoefficients(std::span<const uint8_t> jpeg, JbpCoefficients& out) {
    jpeg_decompress_struct d{};
    ErrorManager err;
    InitErrors(err);
    d.err = &err.base;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&d);
        return false;
    }
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&d, TRUE);
    jvirt_barray_ptr* arrays = jpeg_read_coefficients(&d);
    if (arrays == nullptr || !Is420(d) ||
        d.comp_info[1].quant_tbl_no != d.comp_info[2].quant_tbl_no) {
        jpeg_destroy_decompress(&d);
        return false;
    }
    out.width = static_cast<int>(d.image_width);
    out.height = static_cast<int>(d.image_height);
    for (int t = 0; t < 2; ++t) {
        const JQUANT_TBL* table = d.quant_tbl_ptrs[d.comp_info[t].quant_tbl_no];
        if (table == nullptr) longjmp(err.jump, 1);
        // The stream holds one byte per entry, as a baseline JPEG does.
        for (int i = 0; i < 64; ++i) out.quant[t][i] = static_cast<uint8_t>(table->quantval[i]);
    }
    out.blocks.assign(JbpBlockCount(out.width, out.height) * 64, 0);
    CopyCoefficients(&d, arrays, out);
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    return true;
}

}  // namespace

std::optional<JbpCoefficients> ReadJpegCoefficients(std::span<const uint8_t> jpeg) {
    JbpCoefficients out;
    if (!ReadCoefficients(jpeg, out)) return std::nullopt;
    return out;
}

}  // namespace vn
