#include "PictureFiles.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

bool SaveBmp24(const QImage &picture, const QString &fileName)
{
    // Qt writes 24-bit BMP files for RGB888 pictures without an alpha channel.
    return picture.convertToFormat(QImage::Format_RGB888).save(fileName, "BMP");
}

namespace {
// libjpeg's own error handler ends the process; this one returns to CompressJpeg.
struct JpegErrors {
    jpeg_error_mgr manager{};
    std::jmp_buf returnPoint{};
};

[[noreturn]] void ReturnFromCompression(j_common_ptr common)
{
    std::longjmp(reinterpret_cast<JpegErrors *>(common->err)->returnPoint, 1);
}

// Nothing with a destructor may live in this function: a libjpeg error jumps back into it.
bool CompressJpeg(const QImage &rgb, FILE *file)
{
    jpeg_compress_struct compressor{};
    JpegErrors errors;
    compressor.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = ReturnFromCompression;
    if (setjmp(errors.returnPoint)) {
        jpeg_destroy_compress(&compressor);
        return false;
    }
    jpeg_create_compress(&compressor);
    jpeg_stdio_dest(&compressor, file);
    compressor.image_width = static_cast<JDIMENSION>(rgb.width());
    compressor.image_height = static_cast<JDIMENSION>(rgb.height());
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, 100, TRUE);
    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(compressor.next_scanline)));
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    return true;
}
} // namespace

bool SaveJpeg100(const QImage &picture, const QString &fileName)
{
    if (picture.isNull())
        return false;
    FILE *file = std::fopen(QFile::encodeName(fileName).constData(), "wb");
    if (!file)
        return false;
    const bool written = CompressJpeg(picture.convertToFormat(QImage::Format_RGB888), file);
    return std::fclose(file) == 0 && written;
}
