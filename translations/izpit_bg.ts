<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>ContentFolder</name>
    <message>
        <location filename="../content/contentfolder.cpp" line="32"/>
        <source>no such test folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="34"/>
        <source>not a test folder: give the folder, or the questions.gift inside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="85"/>
        <location filename="../content/contentfolder.cpp" line="197"/>
        <source>a symbolic link: a test folder is read from its own files only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="89"/>
        <source>the file is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="93"/>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="97"/>
        <location filename="../content/contentfolder.cpp" line="116"/>
        <source>the file is larger than the limit of %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="110"/>
        <location filename="../content/contentfolder.cpp" line="249"/>
        <source>cannot read the file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="137"/>
        <source>the text is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../content/contentfolder.cpp" line="153"/>
        <source>%n row(s): the settings file holds exactly %1 rows, one a line</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../content/contentfolder.cpp" line="168"/>
        <source>a run of this test has %n question(s), the control question included; it needs at least %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../content/contentfolder.cpp" line="172"/>
        <source>a run of this test has %n question(s); it needs at least %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../content/contentfolder.cpp" line="178"/>
        <source>a run of this test has %n question(s), the control question included; it holds at most %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../content/contentfolder.cpp" line="182"/>
        <source>a run of this test has %n question(s); it holds at most %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="203"/>
        <source>not a folder: pictures holds the question pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="216"/>
        <source>not a picture name: a picture is a JPEG named by its question&apos;s number counted from 1, as in 03.jpg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="223"/>
        <source>a picture for question %1, but the test has questions 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="230"/>
        <source>a second picture for question %1, beside %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="257"/>
        <location filename="../content/contentfolder.cpp" line="270"/>
        <source>not a readable JPEG picture: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="262"/>
        <source>%1x%2 pixels: the picture is too large; the limit is %3x%3 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/contentfolder.cpp" line="277"/>
        <source>%1x%2 pixels; the picture box shows %3x%4 and clips the rest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Diagnostic</name>
    <message>
        <location filename="../content/diagnostic.cpp" line="9"/>
        <source>warning: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GiftReader</name>
    <message>
        <location filename="../content/giftreader.cpp" line="101"/>
        <source>no answer block { ... }: only multiple-choice questions are supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="104"/>
        <source>the answer block is not closed with }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="109"/>
        <source>text after the answer block: a blank line must separate two questions, and missing-word questions are not supported (mark the gap with _ in the question text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="114"/>
        <source>the question has no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="138"/>
        <source>the title is not closed with ::</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="151"/>
        <source>[%1] text is not supported: write the question as plain text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="171"/>
        <source>no correct choice: mark the one correct choice with =</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../content/giftreader.cpp" line="174"/>
        <source>%n choice(s): a question has %1 to %2 choices</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="184"/>
        <source>an empty answer block makes an essay question; only multiple-choice questions are supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="188"/>
        <source>true/false questions are not supported; write the two choices with = and ~</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="191"/>
        <source>numerical questions are not supported; only multiple-choice questions are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="193"/>
        <source>a choice starts with = (correct) or ~ (wrong)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="199"/>
        <source>matching questions are not supported; only multiple-choice questions are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="203"/>
        <source>weighted choices (%...%) are not supported: mark the one correct choice with =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="205"/>
        <source>feedback on a single choice (#) is not supported: write the explanation after ####</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="209"/>
        <source>an empty choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../content/giftreader.cpp" line="212"/>
        <source>a second correct choice (=): a question has exactly one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
