#pragma once

// For the benchmark and the screenshots: a complete settings file as an operator's server might have it,
// every key of the pages, a few targets, registration servers and cookies.
inline const char SampleSettings[] =
    "[QV3Server]\r\nserverDesc=\"Western Front Arena\"\r\nmaxPlayers=32\r\nclientTimeoutSec=120\r\n"
    "password=secret\r\nrandomizeMap=0\r\nuseMap=FLANDERS\r\nregionSize=MEDIUM\r\nlandmarkDensity=MODERATE\r\n"
    "startDate=1917-04-15\r\nstartTime=6:30\r\nnightRate=30.0\r\ndayRate=60.0\r\ngameLengthInSeconds=3600\r\n"
    "difficulty=VETERAN\r\ngameMode=ADVANCED\r\ngameType=TEAM_MELEE\r\ncloudsOn=1\r\ntorqueOn=1\r\n"
    "unlimitedAmmo=0\r\nrocketsAllowed=1\r\nlimitedFuel=1\r\nsecurityEnabled=1\r\nminAerosPerSide=2\r\n"
    "maxPlaneTypes=9\r\nminKillsToScore=5\r\nhistoricAircraftDates=1\r\nhideTeamIndicators=0\r\n"
    "balanceLandmarks=1\r\ntargetSwapTimeInSeconds=600\r\nplayersPerTarget=4\r\ntargetRegionSize=LARGE\r\n"
    "germansDefendFirst=1\r\nendOnNoTargets=1\r\nautoRestartServer=1\r\ndeadTargetsRemoved=0\r\n"
    "autoRepairTargets=1\r\ntargetsChangeTeams=0\r\nmanuallyChooseTargets=1\r\nmanualTargetsProgress=1\r\n"
    "manualTargetsAtATime=3\r\nfriendlyFire=0\r\nnumVoraks=2\r\nvoraksGlow=1\r\n"
    "FOKKER_EIII=1,1915-07-01,1916-12-31\r\nALBATROS_DII=1\r\nHALBERSTADT_DII=0\r\nALBATROS_DIII=1\r\n"
    "ALBATROS_DV=1\r\nFOKKER_DRI=1,1917-08-01,1918-05-31\r\nPFALZ_DIII=1\r\nFOKKER_DVII=1\r\nPFALZ_DXII=0\r\n"
    "MORANE_BULLET=1\r\nNIEUPORT_11=1\r\nNIEUPORT_17=1\r\nSPAD_VII=1\r\nSPAD_XIII=1,1917-09-01,1918-11-11\r\n"
    "AIRCO_DH2=1\r\nSOPWITH_PUP=1\r\nSOPWITH_TRIPLANE=0\r\nSOPWITH_CAMEL=1\r\nSOPWITH_SNIPE=1\r\n"
    "NIEUPORT_24=1\r\nNIEUPORT_28=1\r\nSE5A=1\r\n"
    "[Targets]\r\nGhistelles\r\nBridge1\r\nVillage71\r\n"
    "[RegisterWith]\r\nTCP:master.example.net\r\nUDP:10.1.2.3\r\n"
    "[Clients]\r\nCookie=alpha\r\nCookie=beta\r\n";
