"""A speech server for Orca that speaks into a file: each utterance Orca
would say aloud is one line of the file named by VADELON_SPEECH_LOG. What a
blind user would hear, without a sound card."""
import os

from orca import speechserver


def _write(text):
    if not text:
        return
    with open(os.environ["VADELON_SPEECH_LOG"], "a", encoding="utf-8") as log:
        log.write(" ".join(str(text).split()) + "\n")


class SpeechServer(speechserver.SpeechServer):
    _active = None

    @staticmethod
    def getFactoryName():
        return "speech log"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._active is None:
            SpeechServer._active = SpeechServer()
        return SpeechServer._active

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._active = None

    def getInfo(self):
        return ["speech log", "speech-log"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        _write(text)

    def speakCharacter(self, character, acss=None):
        _write(character)

    def speakKeyEvent(self, event, acss=None):
        pass

    def sayAll(self, utteranceIterator, progressCallback):
        for context, acss in utteranceIterator:
            _write(context.utterance)
            progressCallback(context, speechserver.SayAllContext.COMPLETED)
