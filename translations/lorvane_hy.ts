<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hy">
<context>
    <name>mMain</name>
    <message>
        <source>The default test file is missing from the program.</source>
        <translation>Ծրագրում բացակայում է լռելյայն տեստի ֆայլը։</translation>
    </message>
    <message>
        <source>Cannot write the test file %1:
%2</source>
        <translation>Հնարավոր չէ գրել տեստի ֆայլը՝ %1։
%2</translation>
    </message>
</context>
</TS>
