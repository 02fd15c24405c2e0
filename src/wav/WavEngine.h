#pragma once
// Everything the WAV engine offers.
#include "Channels.h"
#include "EngineHost.h"
#include "Fade.h"
#include "Fmt16.h"
#include "Silence.h"
#include "SilenceTrim.h"
#include "SizeChecks.h"
#include "WavAppend.h"
#include "WavCopy.h"
#include "WavInfo.h"
#include "WorkBuffers.h"
