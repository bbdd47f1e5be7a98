// Whom the shared loaders speak for.
#include "PROGINC/ProgramName.h"

namespace {

LoaderVoice& Voice() {
  static LoaderVoice voice;
  return voice;
}

}  // namespace

const LoaderVoice& Loader() { return Voice(); }

void SpeakForLoader(const LoaderVoice& voice) { Voice() = voice; }
