#include "CliCommands.h"

#include <algorithm>
#include <utility>

#include "CliChannelBatch.h"
#include "CliConvert.h"
#include "CliCut.h"
#include "CliJoin.h"
#include "CliListJoin.h"
#include "CliOutput.h"
#include "CliPauses.h"
#include "CliRename.h"
#include "CliSilenceCut.h"
#include "WavEngine.h"

namespace {

using Args = CommandArgs;

void runInfo(Args& a, std::string& err, std::FILE* out)
{
    GetWavInfo(a.text(0), err);
    if (err.empty()) PrintWavInfo(out, WavInfo);
}

void runHeadSilence(Args& a, std::string& err, std::FILE*)
{
    AddHeadSilence(a.text(0), a.text(1), a.int32(2), a.int32(3), err);
}

void runTailSilence(Args& a, std::string& err, std::FILE*)
{
    AddTailSilence(a.text(0), a.int32(1), a.int32(2), err);
}

void runFade(Args& a, std::string& err, std::FILE*)
{
    FadeInOut(a.text(0), err, a.int64(1), a.int64(2), a.int64(3), a.int64(4));
}

void runCopy(Args& a, std::string& err, std::FILE*) { CopyWav(a.text(0), a.text(1), err); }

void runAppend(Args& a, std::string& err, std::FILE*) { WavAppend(a.text(0), a.text(1), err); }

bool leftChosen(const std::string& side)
{
    if (side == "left") return true;
    if (side == "right") return false;
    throw UsageError("split takes left or right, not '" + side + "'");
}

void runSplit(Args& a, std::string& err, std::FILE*)
{
    WavSplitChannel(a.text(0), a.text(1), leftChosen(a.text(2)), err);
}

void runSwap(Args& a, std::string& err, std::FILE*) { WavSwapChannels(a.text(0), a.text(1), err); }

void runFmt16(Args& a, std::string& err, std::FILE*) { WavFmt18To16(a.text(0), a.text(1), err); }

void runCheckSize(Args& a, std::string& err, std::FILE*)
{
    CheckOutputSize(a.text(0), a.text(1), err, a.int64(2), a.int64(3), a.int64(4), a.int64(5));
}

}  // namespace

bool CliCommand::takesMany() const { return params.ends_with("...") || params.starts_with("["); }

size_t CliCommand::paramCount() const
{
    return static_cast<size_t>(std::count(params.begin(), params.end(), ' ')) + (params.empty() ? 0 : 1);
}

const std::vector<CliCommand>& CliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"info", "FILE", "prints FILE's header facts, one Name=value line each", runInfo},
        {"head-silence", "SOURCE TARGET SECONDS TENTHS",
         "writes TARGET: SOURCE's header followed by that much silence only", runHeadSilence},
        {"tail-silence", "FILE SECONDS TENTHS", "adds that much silence behind FILE's sound, in place",
         runTailSilence},
        {"fade", "FILE FADE_IN FADE_OUT HEAD_SECONDS HEAD_TENTHS",
         "fades FILE's sound in and out, in place; the fade-in begins behind\n"
         "the head silence of HEAD_SECONDS and HEAD_TENTHS that FILE starts with",
         runFade},
        {"copy", "SOURCE TARGET", "writes TARGET: SOURCE's header and sound", runCopy},
        {"append", "SOURCE TARGET",
         "adds SOURCE's sound behind TARGET's, in place (same rate, channels\nand block align)", runAppend},
        {"split", "SOURCE TARGET left|right", "writes TARGET: the left or the right channel of a stereo SOURCE, mono",
         runSplit},
        {"swap", "SOURCE TARGET", "writes TARGET: a stereo SOURCE with left and right exchanged", runSwap},
        {"fmt16", "SOURCE TARGET", "writes TARGET: SOURCE with its fmt chunk in the plain 16-byte PCM form",
         runFmt16},
        {"trim-silence", "SOURCE TARGET both|head|tail LEVEL8 LEVEL16",
         "writes TARGET: SOURCE without the silent frames at both ends, at the head\n"
         "or at the tail of its sound; fails when SOURCE is silent throughout",
         RunTrimSilence},
        {"check-size", "SOURCE TARGET HEAD_SECONDS HEAD_TENTHS TAIL_SECONDS TAIL_TENTHS",
         "checks that SOURCE with that silence added stays within 4 GiB and fits\n"
         "the free space of the drive that holds TARGET's folder; writes nothing",
         runCheckSize},
        {"convert", "[--head SECONDS TENTHS] [--tail SECONDS TENTHS] [--fade-in FADE_IN] [--fade-out FADE_OUT] "
                    "[--silence-cut both|head|tail] [--level8 LEVEL8] [--level16 LEVEL16] OUTDIR SOURCE...",
         "the conversion batch: writes each SOURCE into OUTDIR with head silence,\n"
         "fade-in, fade-out and tail silence (each 0 when absent), after cutting the\n"
         "silent ends that --silence-cut names (levels 1 when absent; a SOURCE that is\n"
         "silent throughout is skipped), under its own name (extension in lower\n"
         "case) or, when that is taken, NAME_m000.wav to NAME_m999.wav; prints one\n"
         "log line per output",
         RunConvert},
        {"join", "[--head SECONDS TENTHS] [--tail SECONDS TENTHS] [--fade-in FADE_IN] [--fade-out FADE_OUT] OUTDIR SOURCE...",
         "the join batch: joins the SOURCEs, in the order given, into one new file\n"
         "OUTDIR/NAME_a000.wav to NAME_a999.wav (NAME: the first joined SOURCE's), with\n"
         "head silence and fade-in before, fade-out and tail silence after (each 0 when\n"
         "absent); every SOURCE must share the first one's format; prints the output's\n"
         "log line",
         RunJoin},
        {"separate", "OUTDIR SOURCE...",
         "the separation batch: writes each stereo SOURCE's left and right channels\n"
         "into OUTDIR as NAME__L.wav and NAME__R.wav or, once NAME_*.wav is there,\n"
         "NAME_lr000_L.wav/_R.wav onwards; prints one log line per output",
         RunSeparate},
        {"reverse", "OUTDIR SOURCE...",
         "the reversal batch: writes each stereo SOURCE with left and right exchanged\n"
         "into OUTDIR as the first free NAME_RV000.wav to NAME_RV999.wav",
         RunReverse},
        {"fmt", "OUTDIR SOURCE...",
         "the fmt batch: writes each SOURCE whose fmt chunk is 18 bytes into OUTDIR\n"
         "with a 16-byte fmt chunk, as NAME.wav or, when that is taken,\n"
         "NAME_fmt000.wav to NAME_fmt999.wav",
         RunFmt},
        {"list-join", "[--head SECONDS TENTHS] [--tail SECONDS TENTHS] [--fade-in FADE_IN] [--fade-out FADE_OUT] LISTFILE",
         "the list join: walks LISTFILE's lines (file lines, \">OUTPUT\" lines and\n"
         "\"a.wav b.wav >OUTPUT\" lines) and joins the files gathered since the last\n"
         "output line into each OUTPUT, with the silence and fades of the options; an\n"
         "OUTPUT already there is kept; prints one log line per output",
         RunListJoin},
        {"rename", "LISTFILE",
         "the batch rename: each \">NAME\" line of LISTFILE renames the file of the last\n"
         "file line above it to NAME in that file's own folder, never onto an existing\n"
         "file; prints each new path",
         RunRename},
        {"cut", "[--short-names] [--minutes] [--category NAME] [--at-pauses [PAUSES]] [--times-from FILE] SOURCE OUTDIR [TIME...]",
         "the cut: writes the parts of SOURCE that begin at each TIME (milliseconds, or\n"
         "minutes.milliseconds; any order, each once) and reach to the next TIME, the last\n"
         "to the end of SOURCE, into OUTDIR as BASE_yymmdd_hhmmss_TIME.EXT (--short-names:\n"
         "BASE_TIME.EXT, then BASE_c000_TIME.EXT onwards; --minutes: TIME as MmMSMS;\n"
         "--category: _NAME before .EXT); a name already there gets _m000 to _m999;\n"
         "prints one cut log line per part. --at-pauses adds 0 and the times the pauses\n"
         "of SOURCE propose (see pauses); --times-from adds the times of a label file,\n"
         "a cue sheet or a plain list (h:mm:ss.mmm, m:ss.mmm, seconds with decimals or\n"
         "milliseconds, one a line), a label's text or a track's TITLE naming its part\n"
         "as --category does; its lines that are no time and times beyond the end of\n"
         "SOURCE are left out with a notice",
         RunCut},
        {"pauses", "[PAUSES] [--labels|--cue] [--output PATH] FILE",
         "prints the cut time that each pause between two sounds of FILE proposes,\n"
         "one line each: the milliseconds, a tab and the time as the cut face enters\n"
         "it. A pause is at least --min-pause S seconds (default 1.0) of silent frames\n"
         "(default LEVEL16 100, LEVEL8 1) in which a sound shorter than 20 ms does not\n"
         "count; pauses at the start or the end of FILE propose no time. --place: the\n"
         "pause's start, its middle, or S seconds before the sound resumes (default\n"
         "before-sound 0.2). S: seconds with up to three decimals. --labels or --cue\n"
         "writes the parts the times cut (from 0 to the end) as a label file\n"
         "(start, end, name; seconds with six decimals) or a cue sheet, FILE's name\n"
         "with .txt or .cue beside it or --output PATH (.cue: a cue sheet), never in\n"
         "place of an existing file, and prints the path written",
         RunPauses},
    };
    return commands;
}

void RunCommand(const std::string& name, std::vector<std::string> args,
                std::string& ErrorText, std::FILE* out)
{
    const auto& commands = CliCommands();
    auto command = std::find_if(commands.begin(), commands.end(),
                                [&](const CliCommand& c) { return c.name == name; });
    if (command == commands.end()) throw UsageError("unknown command '" + name + "'");
    if (!command->takesMany() && args.size() != command->paramCount())
        throw UsageError(name + " takes " + std::to_string(command->paramCount()) + " arguments: " +
                         std::string(command->params));
    CommandArgs taken(std::move(args));
    command->run(taken, ErrorText, out);
}

namespace {

// Each line of the summary under its command, indented.
std::string commandHelp(const CliCommand& c)
{
    std::string text = "  " + std::string(c.name) + " " + std::string(c.params) + "\n      ";
    for (char ch : c.summary) text += ch == '\n' ? std::string("\n      ") : std::string(1, ch);
    return text + "\n";
}

}  // namespace

std::string UsageText()
{
    std::string text =
        "usage: vantro-wav [--work-buffer BYTES] COMMAND ARGS...\n"
        "       vantro-wav --help\n"
        "Runs one routine of the WAV engine on PCM WAV files.\n"
        "\n"
        "commands:\n";
    for (const auto& c : CliCommands()) text += commandHelp(c);
    text +=
        "\n"
        "arguments:\n"
        "  SECONDS TENTHS    a silence length: whole seconds and tenths of a second, TENTHS\n"
        "                    0 to 9 (larger values add more); 0 or less adds nothing\n"
        "  FADE_IN FADE_OUT  fade lengths in whole seconds; 0 or less: no fade\n"
        "  left|right        the channel split keeps\n"
        "  both|head|tail    the ends whose silent frames are cut\n"
        "  PAUSES            [--min-pause S] [--level16 LEVEL16] [--level8 LEVEL8]\n"
        "                    [--place start|middle|before-sound S], as pauses takes them\n"
        "  LEVEL8 LEVEL16    silence levels: a frame is silent when each of its samples lies\n"
        "                    within LEVEL8 (1 to 127) of 128 in 8-bit files, within LEVEL16\n"
        "                    (1 to 32767) of 0 in 16-bit files, and within LEVEL16 scaled to\n"
        "                    the width in 24- and 32-bit files\n"
        "  BYTES             the I/O buffer for sample data, " + std::to_string(MinWorkBufferBytes) +
        " or more\n"
        "                    (default " + std::to_string(DefaultWorkBufSize) + ")\n"
        "  Numbers are signed decimal integers.\n"
        "\n"
        "outputs:\n"
        "  A new TARGET appears whole or not at all: it is written under a temporary name\n"
        "  in its folder and takes its name only when the routine has succeeded, replacing\n"
        "  a file of that name only then. A failed or interrupted run leaves no partial\n"
        "  file. tail-silence and append grow their file in place; when they fail, they\n"
        "  leave it byte for byte as it was. fade changes FILE only after all its checks\n"
        "  have passed.\n"
        "\n"
        "exit status and messages:\n"
        "  0: done. 1: the routine failed; its message is on standard error. 2: wrong\n"
        "  usage; nothing was run. Messages are the program's own texts, in Japanese, as\n"
        "  the desktop program shows them. A question takes its default answer; questions\n"
        "  and notices are printed on standard error. The batches (convert, join,\n"
        "  separate, reverse, fmt, list-join, rename, cut): 0 when every output asked\n"
        "  for was written, 1 when any file failed or was skipped or the run stopped\n"
        "  (list-join and rename: also when they wrote nothing; cut: also when a TIME\n"
        "  lies at or beyond the end of SOURCE); their standard output holds only\n"
        "  the log line of each output, their messages are separated by one blank line.\n"
        "\n"
        "list files:\n"
        "  LISTFILE is read as the desktop program reads its lists: UTF-8 when it is valid\n"
        "  UTF-8 (with or without a byte-order mark), else CP932; lines end in CR, LF or CR LF.\n";
    return text;
}
