<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en">
<context>
    <name>Contacts</name>
    <message numerus="yes">
        <source>%n contact(s) added</source>
        <translation>
            <numerusform>%n contact added</numerusform>
            <numerusform>%n contacts added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added under (a) numbered name(s)</source>
        <translation>
            <numerusform>%n added under a numbered name</numerusform>
            <numerusform>%n added under numbered names</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries) overwritten</source>
        <translation>
            <numerusform>%n entry overwritten</numerusform>
            <numerusform>%n entries overwritten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the directory, skipped</source>
        <translation>
            <numerusform>%n already in the directory, skipped</numerusform>
            <numerusform>%n already in the directory, skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n card(s) without a name or number left out</source>
        <translation>
            <numerusform>%n card without a name or number left out</numerusform>
            <numerusform>%n cards without a name or number left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries)</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
</context>
</TS>
