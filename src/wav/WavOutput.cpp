#include "WavOutput.h"

#include "Bytes.h"

bool WriteAll(WavFile& out, const void* bytes, int64_t n) { return out.write(bytes, n) == n; }

bool WriteDataHeader(WavFile& out)
{
    uint8_t header[8] = {'d', 'a', 't', 'a', 0, 0, 0, 0};
    return WriteAll(out, header, 8);
}

bool WriteU32At(WavFile& out, int64_t position, uint32_t value)
{
    uint8_t field[4];
    PutU32(field, value);
    return out.seek(position) && WriteAll(out, field, 4);
}

bool PatchSizes(WavFile& out, int64_t dataSizeField, uint32_t dataSize)
{
    if (!WriteU32At(out, dataSizeField, dataSize)) return false;
    int64_t length = out.seekEnd();
    return length >= 8 && WriteU32At(out, 4, static_cast<uint32_t>(length - 8));
}
